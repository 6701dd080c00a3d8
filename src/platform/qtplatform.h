#pragma once

#include <memory>

class Canvas;
class QString;
class QWidget;

// Installs the Qt implementations of the platform services (message boxes, file dialogs,
// printer, help window, random generator, clock) with the default working directory.
void installQtPlatform();

// A canvas whose pages go to a PDF file at path, at 300 dpi as the printer's.
std::unique_ptr<Canvas> newPdfCanvas(const QString &path);
