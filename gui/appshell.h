#ifndef APPSHELL_H
#define APPSHELL_H

class QWidget;

// Application-wide look shared by the main window and both dialogs.

// The arrow cursor of the resource bundle, its tip (the image's top-left pixel) as hot spot.
void setCustomCursor(QWidget *widget);

// Applies the bundled style sheet to the whole application.
void loadStyleSheet();

#endif // APPSHELL_H
