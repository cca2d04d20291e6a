// Reading language files: cutting entries, processing keys and values, Windows-1252 and UTF-8 text.
#include "localisation/languagefile.h"
#include "localisation/languagefileencoding.h"
#include "localisation/rivazidad2000.h"
#include "localisation/textrules.h"
#include "localisation/windows1252.h"

#include "localisationtestutil.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

struct KeyCase {
    const char* raw;
    const char* key;
};

TEST(LanguageFile, KeysAreFoldedAndNormalisedInOrder) {
    const KeyCase cases[] = {
        {"  Exit\tButton ", "exit button "}, {"\r\nA\r\n\r\nB", "a b"},
        {"MiXeD   Case", "mixed case"},      {"   ", ""},
        {"Trailing  ", "trailing "},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(processKey(QString::fromLatin1(c.raw)), QString::fromLatin1(c.key)) << c.raw;
    // Only A to Z fold: Ä stays upper case.
    EXPECT_EQ(processKey(QStringLiteral(u"\u00c4RGER")), QStringLiteral(u"\u00c4rger"));
}

struct ValueCase {
    const char* raw;
    const char* value;
};

TEST(LanguageFile, ValuesAreProcessedInOrder) {
    const ValueCase cases[] = {
        {"one\\ntwo", "one\r\ntwo"},
        {"one\r\ntwo", "one  two"},
        {"one\\Ntwo", "one\\Ntwo"},
        // The CR LF of "\n" is made after line breaks became spaces, so it stays.
        {"a\\n\\nb", "a\r\n\r\nb"},
        {"<%APPNAME%>, <%AppName%>, <%appname%>", "Kyvelo, Kyvelo, Kyvelo"},
        {"<<%APPNAME%>>", "<Kyvelo>"},
        {"  spaces  kept  ", "  spaces  kept  "},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(processValue(QString::fromLatin1(c.raw), QStringLiteral("Kyvelo")),
                  QString::fromLatin1(c.value))
            << c.raw;
    // The inserted name is not searched again.
    EXPECT_EQ(processValue(QStringLiteral("<%APPNAME%>"), QStringLiteral("<%APPNAME%>")),
              QStringLiteral("<%APPNAME%>"));
}

TEST(LanguageFile, EdgeCaseFileGivesItsEntriesInFileOrder) {
    TRivazidad2000 dictionary(QStringLiteral("Kyvelo"));
    loadFile(dictionary, "edgecases.itl");
    const QStringList keys = {QStringLiteral("exit"),       QStringLiteral("exit button "),
                              QStringLiteral("two lines"),  QStringLiteral("broken"),
                              QStringLiteral("greeting"),   QStringLiteral("program"),
                              QStringLiteral("dup"),        QStringLiteral("dup"),
                              QStringLiteral("no bracket"), QString()};
    const QStringList values = {QStringLiteral("Beenden"), QStringLiteral("Knopf"),
                                QStringLiteral("erste\r\nzweite\\Nbleibt"), QStringLiteral("erste  zweite"),
                                QStringLiteral("Hallo <%1%>, hier ist <%2%> (<%1%>)"),
                                QStringLiteral(u"\u00dcber Kyvelo und Kyvelo"), QStringLiteral("erster"),
                                QStringLiteral("zweiter"), QStringLiteral("ohne Klammer"),
                                // No "]=": the value starts at the entry's second character (the LF).
                                QStringLiteral(" [no assign=ohne Zuweisung")};
    EXPECT_EQ(dictionary.Keys(), keys);
    EXPECT_EQ(dictionary.Values(), values);
}

TEST(LanguageFile, TextWithoutEndMarkerAddsNothing) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "no_end_marker.itl");
    EXPECT_TRUE(dictionary.Keys().isEmpty());
    EXPECT_TRUE(dictionary.Values().isEmpty());
    // An empty stream, too.
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(empty);
    EXPECT_TRUE(dictionary.Keys().isEmpty());
}

TEST(LanguageFile, LoadingReplacesEverythingAndStartsAtPositionZero) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "edgecases.itl");
    QFile file(testDataPath("german.itl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.seek(file.size());
    dictionary.LoadFromStream(file);
    ASSERT_EQ(dictionary.Keys().size(), 15);
    EXPECT_EQ(dictionary.Keys().first(), QStringLiteral("$dlglanguage$"));
    EXPECT_EQ(dictionary.Keys().last(), QStringLiteral("mmexplain"));
    EXPECT_EQ(dictionary.Keys().indexOf(QStringLiteral("dup")), -1);
    // The encoding goes with the file.
    loadFile(dictionary, "greek_utf8.itl");
    EXPECT_EQ(dictionary.Encoding(), LanguageFileEncoding::Utf8);
    loadFile(dictionary, "german.itl");
    EXPECT_EQ(dictionary.Encoding(), LanguageFileEncoding::Windows1252);
}

TEST(LanguageFile, UmlautsAndDashesAreDecodedFromWindows1252) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "german.itl");
    EXPECT_EQ(dictionary.Translate(QStringLiteral("Distance - Time - Velocity")),
              QStringLiteral(u"Weg \u2013 Zeit \u2013 Geschwindigkeit"));
    EXPECT_EQ(dictionary.Translate(QStringLiteral("Standard Road Situation")),
              QStringLiteral(u"Normale Stra\u00dfenlage"));
    EXPECT_EQ(dictionary.Translate(QStringLiteral("MMExplain")),
              QStringLiteral(
                  u"<p>Die Steigung der Sekante \u00c4\u00d6\u00dc \u2014 \u00e4\u00f6\u00fc\u00df</p>\r\n"
                  u"<p>Zweiter Absatz</p>"));
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeWindows1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x96], QChar(0x2013));
    EXPECT_EQ(text[0xE4], QChar(0xE4));
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_EQ(encodeWindows1252(QStringLiteral(u"\u4e2d\u00df")), QByteArray("?\xdf"));
}

struct EncodingCase {
    const char* what;
    QByteArray bytes;
    LanguageFileEncoding encoding;
    QString text;
};

TEST(LanguageFileEncoding, TheByteOrderMarkAloneMakesAFileUtf8) {
    using enum LanguageFileEncoding;
    const EncodingCase cases[] = {
        {"mark", "\xEF\xBB\xBF[\xC3\x84]=\xCE\xA9|$$", Utf8, QStringLiteral(u"[\u00c4]=\u03a9|$$")},
        {"no mark", "[\xC3\x84]=\xCE\xA9|$$", Windows1252, QStringLiteral(u"[\u00c3\u201e]=\u00ce\u00a9|$$")},
        {"the mark alone", "\xEF\xBB\xBF", Utf8, QString()},
        {"half a mark", "\xEF\xBB[a]", Windows1252, QStringLiteral(u"\u00ef\u00bb[a]")},
        {"a mark later on", "[a]\xEF\xBB\xBF", Windows1252, QStringLiteral(u"[a]\u00ef\u00bb\u00bf")},
        {"a second mark is text", "\xEF\xBB\xBF\xEF\xBB\xBFk", Utf8, QStringLiteral(u"\ufeffk")},
        {"nothing", "", Windows1252, QString()},
    };
    for (const EncodingCase& c : cases) {
        const DecodedLanguageFile decoded = decodeLanguageFile(c.bytes);
        EXPECT_EQ(decoded.Encoding, c.encoding) << c.what;
        EXPECT_EQ(decoded.Text, c.text) << c.what;
        // Written back in its encoding, the text gives the same bytes.
        EXPECT_EQ(encodeLanguageFile(decoded.Text, decoded.Encoding), c.bytes) << c.what;
    }
    EXPECT_EQ(encodeLanguageFile(QStringLiteral(u"\u03a9"), Windows1252), QByteArray("?"));
}

TEST(LanguageFile, AMarkBeforeWhatIsNoUtf8IsDroppedAndTheRestReadAsWindows1252) {
    const std::pair<QByteArray, QString> cases[] = {
        {"\xEF\xBB\xBF\xFC"
         "ber",
         QStringLiteral(u"\u00fcber")},
        {"\xEF\xBB\xBF\x80 \xC3", QStringLiteral(u"\u20ac \u00c3")}, // a sequence cut at the end
        {"\xEF\xBB\xBF\xC0\xAF", QStringLiteral(u"\u00c0\u00af")},   // overlong
    };
    for (const auto& [bytes, text] : cases) {
        const DecodedLanguageFile decoded = decodeLanguageFile(bytes);
        EXPECT_EQ(decoded.Encoding, LanguageFileEncoding::Windows1252) << bytes.toHex().constData();
        EXPECT_EQ(decoded.Text, text) << bytes.toHex().constData();
    }
    // A whole file of such bytes loses no entry and no marker.
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "malformed_utf8.itl");
    EXPECT_EQ(dictionary.Keys(),
              (QStringList{QStringLiteral(u"lead\u00e2"), QStringLiteral("stray"), QStringLiteral("cut"),
                           QStringLiteral("overlong"), QStringLiteral("tail")}));
    EXPECT_EQ(
        dictionary.Values(),
        (QStringList{QStringLiteral("before a bracket"), QStringLiteral("lead byte before the bracket"),
                     QStringLiteral(u"\u00e2\u201a"), QStringLiteral(u"\u00c0\u00af and \u00ed\u00a0\u20ac"),
                     QStringLiteral(u"\u00f0\u0178\u02dc\u20ac \u00ff")}));
    EXPECT_EQ(dictionary.Encoding(), LanguageFileEncoding::Windows1252);
}

TEST(TextRules, RunsOfCombiningMarksAreCutToThirty) {
    const auto marks = [](const char16_t* mark, int count) {
        return QString::fromUtf16(mark).repeated(count);
    };
    const QString acute = QStringLiteral(u"\u0301");
    const QString musical = QStringLiteral(u"\U0001D167"); // a mark outside the first plane
    const struct {
        QString Text, Kept;
        qsizetype Dropped;
    } cases[] = {
        {QStringLiteral(u"\u1f04\u03bb\u03bb\u03b7\u03bd"), QStringLiteral(u"\u1f04\u03bb\u03bb\u03b7\u03bd"),
         0},
        {"a" + marks(u"\u0301", 30), "a" + marks(u"\u0301", 30), 0},
        {"a" + marks(u"\u0301", 31) + "b", "a" + marks(u"\u0301", 30) + "b", 1},
        {"a" + marks(u"\u0301", 50000) + "b" + marks(u"\ufe0f", 40),
         "a" + marks(u"\u0301", 30) + "b" + marks(u"\ufe0f", 30), 49970 + 10},
        {"x" + musical.repeated(32), "x" + musical.repeated(30), 2},
        {acute.repeated(31), acute.repeated(30), 1},
    };
    for (const auto& c : cases) {
        QString text = c.Text;
        EXPECT_EQ(cutCombiningRuns(text), c.Dropped) << c.Text.size();
        EXPECT_EQ(text, c.Kept) << c.Text.size();
    }
    // A language file's values are cut as they are read.
    QByteArray file = "\xEF\xBB\xBF[Exit]=E" + QString(acute).repeated(50000).toUtf8() + "|$$";
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(readLanguageFile(buffer, QString()).Values, QStringList{"E" + acute.repeated(30)});
}

} // namespace
