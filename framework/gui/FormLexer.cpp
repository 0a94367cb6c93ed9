#include "framework/gui/FormLexer.h"

#include "framework/Exception.h"

namespace fw {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

char TFormLexer::Peek(std::size_t ahead) const {
    return FPos + ahead < FText.size() ? FText[FPos + ahead] : '\0';
}

char TFormLexer::Take() {
    const char c = FText[FPos++];
    if (c == '\n')
        ++FLine;
    return c;
}

void TFormLexer::Fail(const std::string& what) const {
    throw CreateFmt<EReadError>("Line %d: %s", FLine, what);
}

void TFormLexer::SkipSpaceAndComments() {
    TState state = TState::Between;
    while (!AtEnd()) {
        const char c = Peek();
        if (state == TState::Comment) {
            if (c == '\n')
                state = TState::Between;
            Take();
        } else if (IsSpace(c)) {
            Take();
        } else if (c == '/' && Peek(1) == '/') {
            state = TState::Comment;
            Take();
        } else {
            return;
        }
    }
}

TFormTokenValue TFormLexer::Next() {
    SkipSpaceAndComments();
    if (AtEnd())
        return {TFormToken::End, "", FLine};
    const char c = Peek();
    if (c == 'x' && Peek(1) == '"')
        return ReadHex();
    if (IsIdentStart(c))
        return ReadIdentifier();
    if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$')))
        return ReadNumber();
    if (c == '"')
        return ReadString();
    static constexpr std::string_view symbols = "{}[]()<>=.,";
    if (symbols.find(c) != std::string_view::npos) {
        Take();
        return {TFormToken::Symbol, std::string(1, c), FLine};
    }
    Fail(Format("unexpected character '%s'", std::string(1, c)));
}

TFormTokenValue TFormLexer::ReadIdentifier() {
    TFormTokenValue token{TFormToken::Identifier, "", FLine};
    while (!AtEnd() && (IsIdentStart(Peek()) || IsDigit(Peek())))
        token.text += Take();
    return token;
}

TFormTokenValue TFormLexer::ReadNumber() {
    TFormTokenValue token{TFormToken::Number, "", FLine};
    if (Peek() == '-')
        token.text += Take();
    const bool hex = Peek() == '$';
    if (hex)
        token.text += Take();
    while (!AtEnd() && (hex ? IsHexDigit(Peek()) : IsDigit(Peek())))
        token.text += Take();
    if (token.text.back() == '$' || token.text.back() == '-')
        Fail("number without digits");
    if (!AtEnd() && (IsIdentStart(Peek()) || IsDigit(Peek())))
        Fail(Format("malformed number %s%s", token.text, std::string(1, Peek())));
    return token;
}

TFormTokenValue TFormLexer::ReadString() {
    TFormTokenValue token{TFormToken::String, "", FLine};
    Take();
    while (true) {
        if (AtEnd())
            Fail("string not closed");
        if (Peek() == '\n')
            Fail("line break inside a string");
        const char c = Take();
        if (c == '"')
            return token;
        if (c != '\\') {
            token.text += c;
            continue;
        }
        if (AtEnd())
            Fail("string not closed");
        switch (const char escaped = Take()) {
        case '"':
        case '\\':
            token.text += escaped;
            break;
        case 'n':
            token.text += '\n';
            break;
        case 't':
            token.text += '\t';
            break;
        default:
            Fail(Format("unknown escape \\%s in a string", std::string(1, escaped)));
        }
    }
}

TFormTokenValue TFormLexer::ReadHex() {
    TFormTokenValue token{TFormToken::Hex, "", FLine};
    Take();
    Take();
    while (true) {
        if (AtEnd())
            Fail("hex bytes not closed");
        const char c = Take();
        if (c == '"')
            break;
        if (IsSpace(c))
            continue;
        if (!IsHexDigit(c))
            Fail(Format("'%s' in hex bytes", std::string(1, c)));
        token.text += c;
    }
    if (token.text.size() % 2 != 0)
        Fail("hex bytes with an odd number of digits");
    return token;
}

} // namespace fw
