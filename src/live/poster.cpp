#include "live/poster.h"

#include "live/qrcode.h"
#include "print/pagelayout.h"

namespace {

// A long place name or address is set smaller rather than cut at the page's edge.
void centred(Canvas &canvas, int width, int y, const QString &text)
{
    const int size = canvas.fontSize();
    fitFontSize(canvas, size, text, width - 40);
    canvas.drawText((width - canvas.textWidth(text)) / 2, y, text);
    canvas.setFontSize(size);
}

} // namespace

bool printPoster(Canvas &canvas, const PrintFont &font, const QString &description, const QStringList &addresses)
{
    PageLayout page(canvas, font, QStringLiteral("Ljste"));
    if (!page.begin())
        return false;
    const QString title = QStringLiteral("Résultats en direct");
    page.title(title, title, 2);
    const int w = page.width();
    const int line = canvas.textHeight(title);
    int y = 5 * line + 10; // below the title's rule, drawn at twice its height
    if (!description.isEmpty()) {
        canvas.setFontSize(font.size * 2);
        centred(canvas, w, y, description);
        y += 2 * canvas.textHeight(description);
    }

    const QrCode qr = encodeQr(addresses.value(0).toUtf8());
    if (qr.size > 0) {
        // Whole units per module, four modules of quiet zone round it, about two thirds of the page wide.
        const int module = qMax(1, qMin(w * 2 / 3, page.height() / 2) / (qr.size + 8));
        const int left = (w - module * qr.size) / 2;
        const int top = y + 4 * module;
        for (int row = 0; row < qr.size; ++row)
            for (int col = 0; col < qr.size; ++col)
                if (qr.isDark(col, row))
                    canvas.fillRect(left + col * module, top + row * module, module, module);
        y = top + module * (qr.size + 4);
    }

    canvas.setFontSize(font.size * 2);
    const QString scan = QStringLiteral("Photographiez ce code avec votre téléphone, ou ouvrez :");
    centred(canvas, w, y, scan);
    y += 2 * canvas.textHeight(scan);
    canvas.setFontSize(font.size * 3);
    for (const QString &address : addresses) {
        centred(canvas, w, y, address);
        y += canvas.textHeight(address) + 20;
    }
    canvas.setFontSize(font.size * 3 / 2);
    const QString wifi = QStringLiteral("Le téléphone doit être connecté au réseau Wi-Fi de la salle.");
    centred(canvas, w, y + line, wifi);
    canvas.end();
    return true;
}
