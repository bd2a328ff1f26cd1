#pragma once
// A cell picture that lives in a file and is loaded only while it is
// measured or drawn, so that a grid of many pictures keeps none of them in
// memory.
#include "platform/draw/Canvas.h"

#include <QString>

namespace controls {

struct TPictureLoadResult {
    bool ok = true;
    QString message; // why the file could not be read as a picture
};

class TFilePicture {
public:
    const QString &Filename() const { return m_fileName; }
    // Stores the name and reads the file once for its size; a file that is
    // no picture leaves the size 0 x 0 and says why.
    TPictureLoadResult setFilename(const QString &fileName);
    // Stores the name only: a name from outside (a stream, a drop) opens
    // no file until the picture is drawn. The size stays 0 x 0.
    void setFilenameUnread(const QString &fileName)
    {
        m_fileName = fileName;
        m_width = m_height = 0;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Reads the file and draws it stretched into the rectangle; nothing
    // without a file name or a readable picture.
    void DrawPicture(platform::TCanvas &canvas, const platform::TRect &rect) const;

    // The name and size of another picture, without reading the file.
    void Assign(const TFilePicture &source);

private:
    QString m_fileName;
    int m_width = 0;
    int m_height = 0;
};

} // namespace controls
