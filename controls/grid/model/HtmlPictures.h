#pragma once
// The pictures of one HTML export: each one a JPEG file in the folder
// "images" below the export's folder, linked from its cell by an image tag.
// The folder is made with the first picture, so an export without pictures
// touches no folder.
#include <QString>

class QImage;

namespace controls {

class TExStringGrid;

class THtmlPictures {
public:
    // dir ends with "/" (or is empty: the current folder).
    explicit THtmlPictures(const QString &dir) : m_dir(dir) {}

    // The cell's content: its text with the tags of the pictures its graphic
    // shows, in the order the graphic's kind gives. ACol is a real column;
    // saveText is the text the save hook gave, before any HTML rule.
    QString cellContent(TExStringGrid &grid, int ACol, int ARow, const QString &text, const QString &saveText);

private:
    // Writes the picture as the next img<n>.jpg and gives its tag; a null
    // picture gives no tag. Raises when the folder or the file cannot be made.
    QString tagOf(const QImage &picture);

    QString m_dir;
    int m_count = 0;
    bool m_folderMade = false;
};

} // namespace controls
