#include "platform/layout/layoutparser.h"

#include "platform/layout/layouterror.h"
#include "platform/layout/layoutlexer.h"

namespace {

using Kind = LayoutToken::Kind;

class Parser {
public:
    Parser(const QString& text, const QString& fileName) : FLexer(text, fileName) { Advance(); }

    LayoutObject Root() {
        LayoutObject root = Object(1);
        if (FToken.Type != Kind::End) Fail(FToken, QStringLiteral("unexpected"));
        return root;
    }

private:
    void Advance() { FToken = FLexer.Next(); }
    bool IsKeyword(const char* word) const {
        return FToken.Type == Kind::Name &&
               FToken.Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(char c) const { return FToken.Type == Kind::Symbol && FToken.Text == QLatin1Char(c); }
    [[noreturn]] void Fail(const LayoutToken& at, const QString& what) const {
        const QString word = at.Type == Kind::End ? QStringLiteral("end of file") : at.Text;
        throw ELayoutError(FLexer.FileName(), at.Line, quotedWord(what, word));
    }
    void Expect(char symbol) {
        if (!IsSymbol(symbol))
            Fail(FToken, QStringLiteral("expected \"%1\" but found").arg(QLatin1Char(symbol)));
        Advance();
    }
    QString ExpectName() {
        if (FToken.Type != Kind::Name || !ValidName(FToken.Text))
            Fail(FToken, QStringLiteral("expected a name but found"));
        QString name = FToken.Text;
        Advance();
        return name;
    }
    static bool ValidName(const QString& name) {
        return !name.startsWith(u'.') && !name.endsWith(u'.') && !name.contains(QStringLiteral(".."));
    }

    LayoutObject Object(int depth);
    LayoutProperty Property();
    LayoutValue Value();
    QString StringExpression();
    LayoutValue Set();
    LayoutValue StringList();

    LayoutLexer FLexer;
    LayoutToken FToken;
};

LayoutObject Parser::Object(int depth) {
    if (!IsKeyword("object")) Fail(FToken, QStringLiteral("expected \"object\" but found"));
    if (depth > MaxLayoutNesting) Fail(FToken, QStringLiteral("objects nested too deeply at"));
    LayoutObject obj;
    obj.Line = FToken.Line;
    Advance();
    obj.Name = ExpectName();
    Expect(':');
    obj.ClassName = ExpectName();
    for (;;) {
        if (FToken.Type == Kind::End)
            throw ELayoutError(FLexer.FileName(), obj.Line,
                               quotedWord(QStringLiteral("missing \"end\" of"), obj.Name));
        if (IsKeyword("end")) {
            Advance();
            return obj;
        }
        if (IsKeyword("object"))
            obj.Children.push_back(Object(depth + 1));
        else
            obj.Properties.push_back(Property());
    }
}

LayoutProperty Parser::Property() {
    LayoutProperty p;
    p.Line = FToken.Line;
    p.Name = ExpectName();
    Expect('=');
    p.Value = Value();
    return p;
}

LayoutValue Parser::Value() {
    LayoutValue v;
    v.Source = FToken.Text;
    switch (FToken.Type) {
    case Kind::Integer:
        v.Integer = FToken.IntegerValue;
        Advance();
        return v;
    case Kind::Float:
        v.Type = LayoutValue::Kind::Float;
        v.Float = FToken.FloatValue;
        Advance();
        return v;
    case Kind::String:
        v.Type = LayoutValue::Kind::String;
        v.Text = StringExpression();
        return v;
    case Kind::Binary:
        v.Type = LayoutValue::Kind::Binary;
        v.Bytes = FToken.Bytes;
        Advance();
        return v;
    case Kind::Name:
        if (IsKeyword("end") || IsKeyword("object")) break;
        if (IsKeyword("True") || IsKeyword("False")) {
            v.Type = LayoutValue::Kind::Boolean;
            v.Boolean = IsKeyword("True");
        } else {
            v.Type = LayoutValue::Kind::Identifier;
            v.Text = FToken.Text;
        }
        Advance();
        return v;
    default:
        break;
    }
    if (IsSymbol('[')) return Set();
    if (IsSymbol('(')) return StringList();
    Fail(FToken, QStringLiteral("expected a value but found"));
}

QString Parser::StringExpression() {
    QString text = FToken.StringValue;
    Advance();
    while (IsSymbol('+')) {
        Advance();
        if (FToken.Type != Kind::String) Fail(FToken, QStringLiteral("expected a string but found"));
        text += FToken.StringValue;
        Advance();
    }
    return text;
}

LayoutValue Parser::Set() {
    LayoutValue v;
    v.Type = LayoutValue::Kind::Set;
    v.Source = QStringLiteral("[");
    Advance();
    while (!IsSymbol(']')) {
        if (!v.Items.isEmpty()) Expect(',');
        v.Items.append(ExpectName());
    }
    Advance();
    v.Source = QStringLiteral("[%1]").arg(v.Items.join(QStringLiteral(", ")));
    return v;
}

LayoutValue Parser::StringList() {
    LayoutValue v;
    v.Type = LayoutValue::Kind::StringList;
    Advance();
    while (!IsSymbol(')')) {
        if (FToken.Type != Kind::String) Fail(FToken, QStringLiteral("expected a string but found"));
        v.Items.append(StringExpression());
    }
    Advance();
    v.Source = QStringLiteral("(...)");
    return v;
}

} // namespace

LayoutObject parseLayout(const QString& text, const QString& fileName) {
    return Parser(text, fileName).Root();
}

LayoutObject parseLayout(const QByteArray& utf8, const QString& fileName) {
    return parseLayout(QString::fromUtf8(utf8), fileName);
}
