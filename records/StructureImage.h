#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Base64 of the bytes with CR LF after every 76th character (a full last line gets its break too).
QString EncodeImageText(const QByteArray& bytes);

// Decodes Base64 leniently: every character outside the alphabet (line breaks, spaces, the pad
// character, anything else) is skipped; leftover bits that make no whole byte are dropped.
QByteArray DecodeImageText(const QString& text);

// The picture's PNG file.
QByteArray ImageToPng(const QImage& picture);

// The picture in any format the image codec reads, recognised from its bytes.
// Throws Failure("Loading bitmap failed.") when the bytes are not a picture.
QImage DecodePicture(const QByteArray& bytes);

// The structure image text of a picture: empty for an empty picture, else its PNG in Base64.
QString ImageToText(const QImage& picture);

// Shows a structure image text in `picture`: the empty text empties it; a text that decodes to
// no bytes leaves an empty picture empty and makes any other fully transparent at its size;
// otherwise the decoded picture replaces it. Throws Failure("Loading bitmap failed.") when the
// bytes are not a picture, leaving `picture` as it was.
void ShowImageText(const QString& text, QImage& picture);

// Shows picture bytes (a file's, a download's) in `picture`: no bytes leave an empty picture
// empty and make any other fully transparent at its size; otherwise the decoded picture replaces
// it. Throws Failure("Loading bitmap failed.") when the bytes are not a picture, leaving
// `picture` as it was.
void ShowPictureBytes(const QByteArray& bytes, QImage& picture);

// Whether the picture counts as empty (a width or height of 0).
inline bool IsEmptyPicture(const QImage& picture) { return picture.width() == 0 || picture.height() == 0; }
