#ifndef NAMEPATTERN_H
#define NAMEPATTERN_H

#include <QDate>
#include <QSize>
#include <QString>

// Output names made from a pattern the user writes: "{name}", "{base}", "{n}" or "{n:3}",
// "{width}", "{height}", "{date}" and "{folder}" among any other text. An empty pattern is
// "{base}", the name up to its first dot, as outputs have always been named. Stateless.
namespace NamePattern {

// What a name may need of its input beyond the input's own path.
struct Facts
{
    int position = 0; // in the run's list, counted from 1
    QSize size; // of the picture written, after the resize step
    QDate taken; // when the photo was taken (EXIF); invalid: the file's date stands in
};

// Why the pattern cannot name outputs, in words that follow "the name pattern "; empty when
// it can. A pattern naming a folder ("/", "..") is refused: every output stays in its folder.
QString problem(const QString &pattern);

// Whether the names it makes depend on the picture's size or date, which only reading the
// file tells.
bool needsPicture(const QString &pattern);

// The output's name without its suffix, for a pattern without a problem.
QString expand(const QString &pattern, const QString &input, const Facts &facts = Facts());

} // namespace NamePattern

#endif // NAMEPATTERN_H
