#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <random>

// Answers message boxes from a script and records every box.
class ScriptedMessages : public Messages
{
public:
    struct Box
    {
        QString title;
        QString text;
        Icon icon;
        int buttons;
    };
    using Messages::show;
    Button show(const QString &title, const QString &text, Icon icon, int buttons) override;

    QList<Button> answers;                   // consumed in order by boxes that ask (more than one button)
    Button defaultAnswer = Yes;              // once the script is used up
    std::function<void(const Box &)> onShow; // e.g. to check the screen while the box is up
    QList<Box> boxes;

    QStringList texts() const;
    void clear()
    {
        boxes.clear();
        answers.clear();
    }
};

class ScriptedFileDialogs : public FileDialogs
{
public:
    struct Call
    {
        bool save;
        QString title, filter, suffix, initialName;
    };
    QString openFile(const QString &title, const QString &filter, const QString &suffix,
                     const QString &initial) override;
    QString saveFile(const QString &title, const QString &filter, const QString &suffix,
                     const QString &initial) override;

    QStringList openAnswers; // empty string: Cancel
    QStringList saveAnswers;
    QList<Call> calls;
};

// Records every drawing call with fixed metrics, so layouts are checked to the unit:
// a text is 5 × size units wide per character and 10 × size units high.
class RecordingCanvas : public Canvas
{
public:
    struct Op
    {
        QString kind; // "text", "line", "rect" (x2, y2 its far corner), "page", "begin", "end", "pen"
        int page;
        int x, y, x2, y2;
        QString text;
        int size;
        int pen;
    };

    bool begin() override;
    void newPage() override;
    void end() override;
    int pageNumber() const override { return m_page; }
    int pageWidth() const override { return width; }
    int pageHeight() const override { return height; }
    void setFont(const QString &family, int pointSize) override;
    void setFontSize(int pointSize) override { m_size = pointSize; }
    int fontSize() const override { return m_size; }
    int textWidth(const QString &text) override { return int(text.size()) * m_size * 5; }
    int textHeight(const QString &) override { return m_size * 10; }
    void setPenWidth(int w) override;
    void drawText(int x, int y, const QString &text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void fillRect(int x, int y, int width, int height) override;

    int width = 4800;
    int height = 6800;
    bool refuse = false;
    QList<Op> ops;
    QString family;

    QList<Op> texts() const;
    QList<Op> textsOnPage(int page) const;
    // The first text op whose text equals t; kind empty when none.
    Op find(const QString &t) const;
    int pages() const { return m_page; }
    // The first place where a text meets another whose line overlaps its own (trailing blanks
    // draw nothing), starts left of `left` or ends past `right`, as "page 1 y 440: «A» meets «B»";
    // empty when every text keeps to its own room.
    QString crowding(int left, int right) const;

private:
    int m_page = 0;
    int m_size = 10;
    int m_pen = 1;
};

class RecordingPrinting : public Printing
{
public:
    void configure() override { ++configured; }
    Canvas *canvas(const QString &documentName) override;
    // A real PDF file, through the Qt canvas: what the export writes is read back as a file.
    Canvas *pdfCanvas(const QString &path) override;
    QString whereItWent() const override { return where; }

    RecordingCanvas last;
    QStringList documents;
    QStringList pdfPaths;
    std::unique_ptr<Canvas> pdf;
    QString where;
    int configured = 0;
    int width = 4800;
    int height = 6800;
};

class RecordingHelp : public Help
{
public:
    void show(const QString &keyword) override { keywords << keyword; }
    QStringList keywords;
};

// A fixed seed, so draws are repeatable; seedFromClock keeps it.
class SeededRandom : public Random
{
public:
    explicit SeededRandom(unsigned seed = 1) : m_engine(seed) {}
    void seedFromClock() override {}
    int next(int m) override { return m <= 1 ? 0 : std::uniform_int_distribution<int>(0, m - 1)(m_engine); }
    void reseed(unsigned seed) { m_engine.seed(seed); }

private:
    std::mt19937 m_engine;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 8), QTime(20, 30, 0));
};
