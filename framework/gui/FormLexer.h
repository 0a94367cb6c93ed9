#pragma once
// The tokens of a form definition. A definition is UTF-8 text:
//
//     TForm1 Form1 {                        // class, then name, then members
//         Caption = "Telvora"               // strings in double quotes, \" \\ \n \t
//         ClientWidth = 624                 // integers, decimal or $hex, may be negative
//         Font.Style = [fsBold]             // sets; dotted names reach sub-objects
//         OnCreate = FormCreate             // identifiers: enums, colours, handlers, components
//         Items = ("one" "two")             // string lists
//         Panels = < { Width = 50 } { Text = "ready" } >   // collection items
//         SkinStream = x"04000000 0A0B0C0D" // bytes in hex; spaces and line breaks allowed
//         Picture.Data = resource("JPEG", "BANNER")        // bytes of an embedded resource
//         TButton Button1 { Left = 8 }      // owned components, nested
//     }
//
// Comments run from // to the end of the line.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

enum class TFormToken {
    Identifier,
    String,
    Number,
    Hex,
    Symbol,
    End,
};

struct TFormTokenValue {
    TFormToken kind = TFormToken::End;
    // Identifier and number text, the decoded string, the hex digits, or the symbol.
    std::string text;
    int line = 1;
};

class TFormLexer {
public:
    explicit TFormLexer(std::string_view text) : FText(text) {}

    // The next token; EReadError "Line %d: ..." for text that is no token.
    TFormTokenValue Next();
    int Line() const { return FLine; }

private:
    enum class TState { Between, Comment };

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek(std::size_t ahead = 0) const;
    char Take();
    void SkipSpaceAndComments();
    TFormTokenValue ReadIdentifier();
    TFormTokenValue ReadNumber();
    TFormTokenValue ReadString();
    TFormTokenValue ReadHex();
    [[noreturn]] void Fail(const std::string& what) const;

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
};

} // namespace fw
