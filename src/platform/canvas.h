#pragma once

#include <QString>

// A printer page in device units, as the printouts see it. y of drawText is the top of the text.
class Canvas
{
public:
    virtual ~Canvas() = default;

    virtual bool begin() = 0; // begin the document; false when the printer refused
    virtual void newPage() = 0;
    virtual void end() = 0;
    virtual int pageNumber() const = 0;

    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFont(const QString &family, int pointSize) = 0;
    virtual void setFontSize(int pointSize) = 0;
    virtual int fontSize() const = 0;
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;

    virtual void setPenWidth(int width) = 0;
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // A solid black rectangle (a QR code's dark modules).
    virtual void fillRect(int x, int y, int width, int height) = 0;
};

// Hands out a canvas on the printer chosen with "&Configuration imprimante".
class Printing
{
public:
    virtual ~Printing() = default;
    // The standard printer set-up dialog ("&Configuration imprimante").
    virtual void configure() = 0;
    // A fresh canvas for one document, owned by this service until the next call.
    virtual Canvas *canvas(const QString &documentName) = 0;
    // A fresh canvas whose document is a PDF file at path (not a printer), owned by this service
    // until the next call.
    virtual Canvas *pdfCanvas(const QString &path) = 0;
    // After end(): a sentence for the director when the pages did not go to a printer
    // (the PDF written in the working directory), else empty.
    virtual QString whereItWent() const = 0;
};
