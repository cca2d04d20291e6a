#include "platform/layout/layoutparser.h"

#include "platform/layout/layouterror.h"
#include "platform/layout/layoutlexer.h"

namespace {

using Kind = LayoutToken::Kind;

class Parser {
public:
    Parser(const QString& text, const QString& fileName) : FLexer(text, fileName) { advance(); }

    LayoutObject readRoot() {
        LayoutObject root = readObject(1);
        if (FToken.Type != Kind::End) fail(FToken, QStringLiteral("unexpected"));
        return root;
    }

private:
    void advance() { FToken = FLexer.next(); }
    bool isKeyword(const char* word) const {
        return FToken.Type == Kind::Name &&
               FToken.Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(char c) const { return FToken.Type == Kind::Symbol && FToken.Text == QLatin1Char(c); }
    [[noreturn]] void fail(const LayoutToken& at, const QString& what) const {
        const QString word = at.Type == Kind::End ? QStringLiteral("end of file") : at.Text;
        throw ELayoutError(FLexer.fileName(), at.Line, quotedWord(what, word));
    }
    void expect(char symbol) {
        if (!isSymbol(symbol))
            fail(FToken, QStringLiteral("expected \"%1\" but found").arg(QLatin1Char(symbol)));
        advance();
    }
    QString expectName() {
        if (FToken.Type != Kind::Name || !validName(FToken.Text))
            fail(FToken, QStringLiteral("expected a name but found"));
        QString name = FToken.Text;
        advance();
        return name;
    }
    static bool validName(const QString& name) {
        return !name.startsWith(u'.') && !name.endsWith(u'.') && !name.contains(QStringLiteral(".."));
    }

    LayoutObject readObject(int depth);
    LayoutProperty readProperty();
    LayoutValue readValue();
    QString readStringExpression();
    LayoutValue readSet();
    LayoutValue readStringList();

    LayoutLexer FLexer;
    LayoutToken FToken;
};

LayoutObject Parser::readObject(int depth) {
    if (!isKeyword("object")) fail(FToken, QStringLiteral("expected \"object\" but found"));
    if (depth > kMaxLayoutNesting) fail(FToken, QStringLiteral("objects nested too deeply at"));
    LayoutObject obj;
    obj.Line = FToken.Line;
    advance();
    obj.Name = expectName();
    expect(':');
    obj.ClassName = expectName();
    for (;;) {
        if (FToken.Type == Kind::End)
            throw ELayoutError(FLexer.fileName(), obj.Line,
                               quotedWord(QStringLiteral("missing \"end\" of"), obj.Name));
        if (isKeyword("end")) {
            advance();
            return obj;
        }
        if (isKeyword("object"))
            obj.Children.push_back(readObject(depth + 1));
        else
            obj.Properties.push_back(readProperty());
    }
}

LayoutProperty Parser::readProperty() {
    LayoutProperty p;
    p.Line = FToken.Line;
    p.Name = expectName();
    expect('=');
    p.Value = readValue();
    return p;
}

LayoutValue Parser::readValue() {
    LayoutValue v;
    v.Source = FToken.Text;
    switch (FToken.Type) {
    case Kind::Integer:
        v.Integer = FToken.IntegerValue;
        advance();
        return v;
    case Kind::Float:
        v.Type = LayoutValue::Kind::Float;
        v.Float = FToken.FloatValue;
        advance();
        return v;
    case Kind::String:
        v.Type = LayoutValue::Kind::String;
        v.Text = readStringExpression();
        return v;
    case Kind::Binary:
        v.Type = LayoutValue::Kind::Binary;
        v.Bytes = FToken.Bytes;
        advance();
        return v;
    case Kind::Name:
        if (isKeyword("end") || isKeyword("object")) break;
        if (isKeyword("True") || isKeyword("False")) {
            v.Type = LayoutValue::Kind::Boolean;
            v.Boolean = isKeyword("True");
        } else {
            v.Type = LayoutValue::Kind::Identifier;
            v.Text = FToken.Text;
        }
        advance();
        return v;
    default:
        break;
    }
    if (isSymbol('[')) return readSet();
    if (isSymbol('(')) return readStringList();
    fail(FToken, QStringLiteral("expected a value but found"));
}

QString Parser::readStringExpression() {
    QString text = FToken.StringValue;
    advance();
    while (isSymbol('+')) {
        advance();
        if (FToken.Type != Kind::String) fail(FToken, QStringLiteral("expected a string but found"));
        text += FToken.StringValue;
        advance();
    }
    return text;
}

LayoutValue Parser::readSet() {
    LayoutValue v;
    v.Type = LayoutValue::Kind::Set;
    v.Source = QStringLiteral("[");
    advance();
    while (!isSymbol(']')) {
        if (!v.Items.isEmpty()) expect(',');
        v.Items.append(expectName());
    }
    advance();
    v.Source = QStringLiteral("[%1]").arg(v.Items.join(QStringLiteral(", ")));
    return v;
}

LayoutValue Parser::readStringList() {
    LayoutValue v;
    v.Type = LayoutValue::Kind::StringList;
    advance();
    while (!isSymbol(')')) {
        if (FToken.Type != Kind::String) fail(FToken, QStringLiteral("expected a string but found"));
        v.Items.append(readStringExpression());
    }
    advance();
    v.Source = QStringLiteral("(...)");
    return v;
}

} // namespace

LayoutObject parseLayout(const QString& text, const QString& fileName) {
    return Parser(text, fileName).readRoot();
}

LayoutObject parseLayout(const QByteArray& utf8, const QString& fileName) {
    return parseLayout(QString::fromUtf8(utf8), fileName);
}
