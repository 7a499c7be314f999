#ifndef OPTIONS_H
#define OPTIONS_H

#include <QVector>

#include "option.h"

// Every option a run takes: the general ones below and each output format's own (in its file),
// in one table that the settings file, the window and the command line all work from, so a new
// option is one row where it belongs.
namespace Options {

// In the order the window applies them: "exact" comes before "base_width", so that the radio
// button stored as checked wins; then each format's options in the order of the formats.
const QVector<Option> &all();

// nullptr when there is no such row.
const Option *find(const char *group, const char *key);

// The general rows other code needs by what they are.
const Option &outputFolder();
const Option &format();
const Option &generalQuality();
const Option &resizeProportion();
const Option &resizeWidth();
const Option &resizeHeight();

} // namespace Options

#endif // OPTIONS_H
