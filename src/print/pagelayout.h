#pragma once

#include "tournament/tournament.h"
#include "platform/canvas.h"

// The page conventions shared by every printout: the frame, the double-size centred title and
// its rule, the row slots, the page-full test and the "Page n" footer.
class PageLayout
{
public:
    // measure: the text whose height, plus 10, sets the number of row slots per page.
    PageLayout(Canvas &canvas, const PrintFont &font, const QString &measure);

    // Sets the font, begins the document and draws the first frame.
    bool begin();
    // Prints the last page's footer (default "Page n") and ends the document.
    void finish(const QString &lastFooter = {});

    int width() const { return m_w; }        // W: page width - 20
    int height() const { return m_h; }       // H: page height - 20
    int rowSlots() const { return m_slots; } // L
    // Where text must end on the right: as far inside the frame as the names start on its left.
    int textRight() const { return m_w - 90; }
    int fontSize() const { return m_font.size; }
    Canvas &canvas() { return m_canvas; }

    // Title at double size, centred; y = (height of measure at double size) / yDivisor + 10,
    // rule at twice that height + 10.
    void title(const QString &text, const QString &measure, int yDivisor);

    // Row slots: the counter starts at `first` on the first page.
    void startRows(int first) { m_slot = first; }
    int slot() const { return m_slot; }
    // Advances to the next slot and returns its y.
    int nextRow();
    // When the page is full, prints its footer, starts a new page with its frame and restarts
    // the slots at 0. A page too short to reach the test still breaks.
    bool breakIfFull();
    // Prints the footer and starts a new page with its frame, the slots at 0.
    void nextPage();

    // A note at the foot of the page, above its footer, from the names' margin to textRight(),
    // at the canvas's current size and wrapped at blanks; on a new page when the rows leave it no room.
    void footnote(const QString &text);

    void footer(const QString &text = {});
    QString pageText() const;

private:
    void frame();

    Canvas &m_canvas;
    PrintFont m_font;
    int m_w = 0;
    int m_h = 0;
    int m_slots = 0;
    int m_rowHeight = 0;
    int m_slot = 0;
};

// The least room between two columns: two blanks at the canvas's current size, as between the
// season printout's columns.
int columnGap(Canvas &canvas);

// The width of `text` without its trailing blanks, which draw nothing.
int visibleWidth(Canvas &canvas, const QString &text);

// `text` cut into lines that fit in `width`, at blanks; a word wider than `width` is elided.
QStringList wrapped(Canvas &canvas, const QString &text, int width);

// The canvas set at `size`, or smaller (down to 4) until `text` fits in `width`: a long name is set
// smaller rather than cut.
void fitFontSize(Canvas &canvas, int size, const QString &text, int width);

// `text` as it fits in `width` at the canvas's current size: whole when its visible part fits
// (trailing blanks draw nothing), else cut and ended with "…"; empty when not even "…" fits.
QString elided(Canvas &canvas, const QString &text, int width);
