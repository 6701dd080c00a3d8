#include "platform/qtplatform.h"

#include "platform/helpwindow.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

class QtMessages : public Messages
{
public:
    using Messages::show;
    Button show(const QString &title, const QString &text, Icon icon, int buttons) override
    {
        QMessageBox box(activeParent());
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        }
        QMessageBox::StandardButtons standard;
        if (buttons & Ok)
            standard |= QMessageBox::Ok;
        if (buttons & Yes)
            standard |= QMessageBox::Yes;
        if (buttons & No)
            standard |= QMessageBox::No;
        if (buttons & Cancel)
            standard |= QMessageBox::Cancel;
        box.setStandardButtons(standard);
        if (buttons & NoByDefault)
            box.setDefaultButton(QMessageBox::No);
        switch (box.exec()) {
        case QMessageBox::Ok: return Ok;
        case QMessageBox::Yes: return Yes;
        case QMessageBox::No: return No;
        case QMessageBox::Cancel: return Cancel;
        default: return (buttons & Cancel) ? Cancel : ((buttons & No) ? No : Ok);
        }
    }
};

// "fichiers tournoi|*.trt" -> "fichiers tournoi (*.trt)"
QString qtFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}

class QtFileDialogs : public FileDialogs
{
public:
    QString openFile(const QString &title, const QString &filter, const QString &defaultSuffix,
                     const QString &initialName) override
    {
        QFileDialog dialog(activeParent(), title, m_lastDirectory, qtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(defaultSuffix);
        if (!initialName.contains(QLatin1Char('*')))
            dialog.selectFile(initialName);
        return run(dialog);
    }
    QString saveFile(const QString &title, const QString &filter, const QString &defaultSuffix,
                     const QString &initialName) override
    {
        QFileDialog dialog(activeParent(), title, m_lastDirectory, qtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // the command asks, in its own words
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(initialName);
        return run(dialog);
    }
    QString openFolder(const QString &title) override
    {
        QFileDialog dialog(activeParent(), title, m_lastDirectory);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        m_lastDirectory = dialog.selectedFiles().constFirst();
        return m_lastDirectory;
    }

private:
    QString run(QFileDialog &dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString chosen = dialog.selectedFiles().constFirst();
        m_lastDirectory = QFileInfo(chosen).absolutePath();
        return chosen;
    }
    QString m_lastDirectory = QDir::homePath();
};

class QtCanvas : public Canvas
{
public:
    explicit QtCanvas(QPrinter &printer) : m_printer(printer) {}

    bool begin() override
    {
        m_page = 1;
        if (!m_painter.begin(&m_printer))
            return false;
        m_painter.setFont(m_font);
        applyPen();
        return true;
    }
    void newPage() override
    {
        m_printer.newPage();
        ++m_page;
    }
    void end() override { m_painter.end(); }
    int pageNumber() const override { return m_page; }
    int pageWidth() const override { return m_printer.width(); }
    int pageHeight() const override { return m_printer.height(); }

    void setFont(const QString &family, int pointSize) override
    {
        m_font = QFont(family, pointSize);
        if (m_painter.isActive())
            m_painter.setFont(m_font);
    }
    void setFontSize(int pointSize) override
    {
        m_font.setPointSize(qMax(1, pointSize));
        if (m_painter.isActive())
            m_painter.setFont(m_font);
    }
    int fontSize() const override { return m_font.pointSize(); }
    int textWidth(const QString &text) override { return QFontMetrics(m_font, &m_printer).horizontalAdvance(text); }
    int textHeight(const QString &) override { return QFontMetrics(m_font, &m_printer).height(); }

    void setPenWidth(int width) override
    {
        m_penWidth = width;
        applyPen();
    }
    void drawText(int x, int y, const QString &text) override
    {
        m_painter.drawText(x, y + QFontMetrics(m_font, &m_printer).ascent(), text);
    }
    void drawLine(int x1, int y1, int x2, int y2) override { m_painter.drawLine(x1, y1, x2, y2); }
    void fillRect(int x, int y, int width, int height) override { m_painter.fillRect(x, y, width, height, Qt::black); }

private:
    void applyPen()
    {
        if (m_painter.isActive())
            m_painter.setPen(QPen(Qt::black, m_penWidth));
    }
    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_penWidth = 1;
    int m_page = 1;
};

// A printer of its own, writing a PDF file at 300 dpi (the printouts' offsets are meant for it).
struct PdfPrinter
{
    explicit PdfPrinter(const QString &path) : printer(QPrinter::HighResolution)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(300);
        printer.setDocName(QFileInfo(path).completeBaseName());
    }
    QPrinter printer;
};

// The printer is a base so that it is built before the canvas that draws on it.
class QtPdfCanvas : private PdfPrinter, public QtCanvas
{
public:
    explicit QtPdfCanvas(const QString &path) : PdfPrinter(path), QtCanvas(printer) {}
};

class QtPrinting : public Printing
{
public:
    void configure() override
    {
        ensurePrinter();
        QPrintDialog dialog(m_printer.get(), activeParent());
        dialog.setWindowTitle(QStringLiteral("Configuration de l'imprimante"));
        if (dialog.exec() == QDialog::Accepted)
            m_configured = true;
    }
    Canvas *canvas(const QString &documentName) override
    {
        ensurePrinter();
        m_pdf.clear();
        // With no printer installed the pages go to a PDF beside the working files.
        if (!m_configured && QPrinterInfo::availablePrinterNames().isEmpty()) {
            m_pdf = platform().files.unusedPath(documentName, QStringLiteral(".pdf"));
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(m_pdf);
        } else if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_configured) {
            m_printer->setOutputFileName(QString());
            m_printer->setOutputFormat(QPrinter::NativeFormat);
        }
        // The layouts' fixed offsets (rank at 20, names at 100, footer 50 above the frame) are
        // meant for a printer of about 300 dpi.
        m_printer->setResolution(300);
        m_printer->setDocName(documentName);
        m_canvas = std::make_unique<QtCanvas>(*m_printer);
        return m_canvas.get();
    }
    Canvas *pdfCanvas(const QString &path) override
    {
        m_canvas.reset();
        m_pdfCanvas = newPdfCanvas(path);
        return m_pdfCanvas.get();
    }
    QString whereItWent() const override
    {
        if (m_pdf.isEmpty())
            return {};
        return QStringLiteral(
                   "Aucune imprimante n'est installée : le document a été enregistré dans le fichier « %1 ».")
            .arg(QDir::toNativeSeparators(m_pdf));
    }

private:
    void ensurePrinter()
    {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QtCanvas> m_canvas;
    std::unique_ptr<Canvas> m_pdfCanvas;
    QString m_pdf;
    bool m_configured = false;
};

} // namespace

std::unique_ptr<Canvas> newPdfCanvas(const QString &path)
{
    return std::make_unique<QtPdfCanvas>(path);
}

void installQtPlatform()
{
    static QtMessages messages;
    static QtFileDialogs fileDialogs;
    static QtPrinting printing;
    static HelpWindow help;
    static StdRandom random;
    static SystemClock clock;
    Platform services;
    services.messages = &messages;
    services.fileDialogs = &fileDialogs;
    services.printing = &printing;
    services.help = &help;
    services.random = &random;
    services.clock = &clock;
    services.files = WorkingFiles(defaultWorkingDirectory());
    installPlatform(services);
}
