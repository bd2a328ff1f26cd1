// Fills a folder with files made of arbitrary bytes and lets an image
// picker import it: the files are cut at each "FILE" marker and named with
// the picture extensions Qt reads (and one it does not), and a directory
// named like a picture stands beside them. Every file must give exactly one
// item, in name order, with a picture and its name, or empty; the
// directory none.
#include "controls/dropdown/ImagePickerDropDown.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    // Pictures larger than this are refused by the readers, not built.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> files;
    for (qsizetype from = 0;;) {
        const qsizetype marker = bytes.indexOf("FILE", from);
        files << bytes.mid(from, (marker < 0 ? bytes.size() : marker) - from);
        if (marker < 0)
            break;
        from = marker + 4;
    }
    while (files.size() > 8)
        files.removeLast();

    // One folder and one picker for every input: only the files change.
    static QTemporaryDir dir;
    static QWidget window;
    static auto *picker = controls::TExCustomDropDown::create<controls::TExImagePickerDropDown>(&window);
    if (!dir.isValid())
        return 0;
    QDir folder(dir.path());
    for (const QString &old : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(old);
    static const char *const extensions[] = {".png", ".BMP", ".gif", ".jpg", ".ico", ".ppm", ".xpm", ".txt"};
    QStringList names;
    for (int i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("f%1%2").arg(i).arg(QLatin1String(extensions[i % 8]));
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(files[i]) != files[i].size())
            return 0;
        names << name;
    }
    folder.mkdir(QStringLiteral("sub.png"));

    picker->Items().Clear();
    picker->AddImagesFromFolder(folder.filePath(QStringLiteral("*")), true);
    if (picker->Items().Count() != names.size())
        __builtin_trap();
    for (int i = 0; i < names.size(); ++i) {
        const controls::TImageItem &item = picker->Items().at(i);
        if (item.Image.isNull() ? !item.Caption.isEmpty() : item.Caption != names[i])
            __builtin_trap();
    }
    picker->setItemIndex(picker->Items().Count() - 1);
    return 0;
}
