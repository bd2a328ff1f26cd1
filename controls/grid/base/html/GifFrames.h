#pragma once
// The frames of an animated GIF as the picture class shows them: a frame is
// a graphic control extension directly followed by an image descriptor, and
// a frame is shown by decoding the file's header followed by everything from
// that frame on. Every read stays inside the data, whatever it holds.
#include <QByteArray>

namespace controls {

// At least five bytes beginning "GIF8".
bool isGifData(const QByteArray &data);

// The number of frames; -1 for data that is not a GIF.
int gifFrameCount(const QByteArray &data);

// The delay of a frame (from 1) in hundredths of a second; -1 for data that
// is not a GIF or a frame that is not there.
int gifFrameDelay(const QByteArray &data, int frame);

struct TGifFrame {
    QByteArray bytes; // what to decode: the whole data, or header plus the frame onwards
    int frame = 0; // the frame chosen, clamped to the frames there are; 0 without frames
    int left = 0; // the frame's place in the logical screen
    int top = 0;
    int width = 0; // its size as the descriptor gives it
    int height = 0;
    int screenWidth = 0; // the logical screen; 0 for data that is not a GIF
    int screenHeight = 0;
};

// The bytes that decode to frame (clamped to 1..count) first. Data that is not
// a GIF, or a GIF without frames, is decoded whole.
TGifFrame gifFrameBytes(const QByteArray &data, int frame);

} // namespace controls
