// Reads the text of a stored layout into a tree, without creating anything:
//
//   object Form1: TForm1
//     Caption = 'BF_Distance - Time - Velocity'
//     Font.Height = -13
//     object Panel1: TPanel
//       Align = alTop
//       Anchors = [akTop, akRight]
//       Items = ( 'a' 'b' )
//       Glyph = { 89504E47... }
//     end
//   end
//
// Values: integers, floats, strings ('it''s', 'a'#13#10'b', parts joined with +), True/False,
// identifiers (enum values, colours, handler names), sets in brackets, string lists in parentheses
// and binary data in braces (hex digits, any whitespace between them).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct LayoutValue {
    enum class Kind { Integer, Float, String, Boolean, Identifier, Set, StringList, Binary };
    Kind Type = Kind::Integer;
    qint64 Integer = 0;
    double Float = 0;
    bool Boolean = false;
    QString Text;      // strings and identifiers
    QStringList Items; // set members and string-list items
    QByteArray Bytes;  // binary data
    QString Source;    // as written, for messages
};

struct LayoutProperty {
    QString Name; // dotted for sub-objects: "Font.Height"
    LayoutValue Value;
    int Line = 0;
};

struct LayoutObject {
    QString Name;
    QString ClassName;
    int Line = 0;
    std::vector<LayoutProperty> Properties; // in file order
    std::vector<LayoutObject> Children;     // in file order
};

// Objects nest at most this deep; deeper text is refused rather than risking the stack.
constexpr int kMaxLayoutNesting = 64;

// Parses one root object. Throws ELayoutError naming fileName, the line and the offending word.
LayoutObject parseLayout(const QString& text, const QString& fileName);
// The same for UTF-8 bytes.
LayoutObject parseLayout(const QByteArray& utf8, const QString& fileName);
