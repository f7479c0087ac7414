// Writes the interface language files from the windows as they are built: the Chinese file
// from their designed texts and the English file through the translation table.
//
//   builder-langtool <output folder> <translation table>
//
// A Chinese text without a translation is listed on stderr and left out of the English file.

#include "language/languagedump.h"
#include "language/windowregistry.h"
#include "model/workfolder.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QWidget>
#include <cstdio>

namespace {

bool writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    brevix::prepareRuntimeEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: builder-langtool <output folder> <translation table>\n");
        return 2;
    }
    QWidget owner;
    owner.setObjectName(QStringLiteral("LanguageToolOwner"));
    QList<QWidget *> windows = brevix::createLanguageWindows(&owner);
    const QStringList chinese = brevix::dumpLanguageLines(windows);
    QStringList missing;
    const QStringList english =
        brevix::translateLanguageLines(chinese, brevix::readDictionary(args.at(2)), &missing);
    QDir().mkpath(args.at(1));
    if (!writeLines(QDir(args.at(1)).filePath(QStringLiteral("apchs.ini")), chinese) ||
        !writeLines(QDir(args.at(1)).filePath(QStringLiteral("apeng.ini")), english)) {
        std::fprintf(stderr, "builder-langtool: cannot write into %s\n", qPrintable(args.at(1)));
        return 2;
    }
    for (const QString &text : missing)
        std::fprintf(stderr, "builder-langtool: no English text for \"%s\"\n", qPrintable(text));
    return 0;
}
