#pragma once

class QWidget;

// Installs the Qt implementations of the platform services (message boxes, file dialogs,
// printer, help window, random generator, clock) with the default working directory.
void installQtPlatform();
