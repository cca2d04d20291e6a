// Why a trip file cannot be used, in words that name the file, the line (and for GPX the element)
// and what is wrong. The messages are English and fixed; each one's English text is also its
// translation key, as the language files key the window's texts, so that a language file can
// translate them: "%1" stands for the file's name, "%2" for the line, "%3" and "%4" for details.
#pragma once

#include <QString>
#include <QStringList>

enum class TripReadProblem {
    CannotRead,
    NotRegularFile,
    TooLarge,
    NoNumbers,
    NotANumber,
    TooLargeNumber,
    TimeColumnMissing,
    DistanceColumnMissing,
    ValueMissing,
    UnknownUnit,
    TooFewSamples,
    TimeGoesBack,
    MalformedXml,
    NotGpx,
    NoTimedTrackPoints,
    BadCoordinates,
    BadTime,
};

struct TripReadError {
    TripReadProblem Problem = TripReadProblem::CannotRead;
    QString File;        // the file's name as the user chose it
    qint64 Line = 0;     // 1-based; 0 where the problem is the whole file's
    QStringList Details; // "%3", "%4": the text found (quotedDetail()), the times, the reason
};

// A file larger than this is refused before it is read.
constexpr qint64 kMaxTripFileSize = 64 * 1024 * 1024;

// A text from the file as a message quotes it: cut to 40 characters, so that the message stays short.
QString quotedDetail(QStringView text);

// The message's translation key, which is its English text too.
QString tripReadErrorKey(TripReadProblem problem);

// The message filled in: with translatedKey (the key's translation) where given, else in English.
QString tripReadErrorText(const TripReadError& error, const QString& translatedKey = {});
