#ifndef ACCESSIBLENAMES_H
#define ACCESSIBLENAMES_H

#include <QCoreApplication>

class QWidget;

// What a screen reader calls each control of a window. Left alone, it names a control after
// its group box, which several controls share ("Save Options" for the format, the quality and
// its slider), or a list after its current entry. Here each control without a name of its own
// gets its label's text (the label that names it as its buddy), else its group box's title when
// it is the group's one control; a slider beside a spin box is named after that spin box. Its
// status tip, where it has one, becomes its description.
class AccessibleNames
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)

public:
    // For every control the keyboard reaches in window; run once its widgets are made.
    static void give(QWidget *window);
};

#endif // ACCESSIBLENAMES_H
