// The main window's definition as the build fills it in: well-formed, with
// the configured package address and the catalogue's welcome line.
#include "catalogue/function_module.h"
#include "framework/gui/FormLexer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

std::vector<fw::TFormTokenValue> Tokens(const std::string& text) {
    fw::TFormLexer lexer(text);
    std::vector<fw::TFormTokenValue> tokens;
    for (auto token = lexer.Next(); token.kind != fw::TFormToken::End; token = lexer.Next())
        tokens.push_back(token);
    return tokens;
}

// The string value assigned to the first property of that name.
std::string StringProperty(const std::vector<fw::TFormTokenValue>& tokens,
                           const std::string& name) {
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i)
        if (tokens[i].kind == fw::TFormToken::Identifier && tokens[i].text == name &&
            tokens[i + 1].text == "=" && tokens[i + 2].kind == fw::TFormToken::String)
            return tokens[i + 2].text;
    return "";
}

TEST(MainFormDefinition, FilledInAndWellFormed) {
    std::ifstream in(TELVORA_MAIN_FORM, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(text.empty());
    const auto tokens = Tokens(text);
    int depth = 0;
    for (const auto& token : tokens) {
        if (token.kind == fw::TFormToken::Symbol && token.text == "{")
            ++depth;
        if (token.kind == fw::TFormToken::Symbol && token.text == "}") {
            ASSERT_GT(depth, 0) << "line " << token.line;
            --depth;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(text.find('@'), std::string::npos) << "a placeholder was left unfilled";
    EXPECT_EQ(StringProperty(tokens, "Text"),
              std::string(catalogue::kWelcomeNotice) + "   win7系统下请在非系统盘运行");
    EXPECT_NE(text.find("Text = \"" TELVORA_PACKAGE_URL "\""), std::string::npos);
}

} // namespace
