#include "tests/archive/ReaderFixture.h"

#include <cstdlib>

namespace archive::test {
namespace {

class Password : public ReaderFixture {
protected:
    // secret.txt encrypted with "Secret" by the real packer, beside plain.txt.
    void SetUp() override {
        WriteFile(FTemp / "secret.txt", "the schedule\n");
        const std::string command = "cd '" + FTemp.Path() +
                                    "' && 7z a -tzip -pSecret -bd -bso0 -bsp0 locked.zip "
                                    "secret.txt >/dev/null && rm secret.txt";
        ASSERT_EQ(std::system(command.c_str()), 0);
        FZip = FTemp / "locked.zip";
        FReader->OpenFile(FZip);
    }

    std::string Extracted() { return ReadFile(FTemp / "out/secret.txt"); }

    // A callback that counts its calls and answers with answer and result.
    T7zPasswordCallback Asking(std::string answer, HRESULT result = win::S_OK) {
        return [this, answer, result](void* sender, std::string& password) {
            EXPECT_EQ(sender, this);
            EXPECT_EQ(password, "");
            ++FAsked;
            password = answer;
            return result;
        };
    }

    std::string FZip;
    int FAsked = 0;
};

TEST_F(Password, AGivenPasswordDecrypts) {
    FReader->SetPassword("Secret");
    FReader->ExtractTo(FTemp / "out");
    EXPECT_EQ(Extracted(), "the schedule\n");
}

TEST_F(Password, TheCallbackIsAskedOnceUntilTheArchiveIsClosed) {
    FReader->SetPassword(""); // leaves the password undefined
    FReader->SetPasswordCallback(this, Asking("Secret"));
    FReader->ExtractTo(FTemp / "out");
    FReader->ExtractTo(FTemp / "out");
    EXPECT_EQ(FAsked, 1);
    EXPECT_EQ(Extracted(), "the schedule\n");

    FReader->Close();
    FReader->OpenFile(FZip);
    FReader->ExtractTo(FTemp / "out");
    EXPECT_EQ(FAsked, 2);
}

TEST_F(Password, NoPasswordOrAWrongOneFailsAndLeavesNoFile) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string message;
    };
    const Case cases[] = {
        {"no password, no callback", [] {}, "Incorrect function"},
        {"callback declines", [&] { FReader->SetPasswordCallback(this, Asking("", win::E_ABORT)); },
         "Operation aborted"},
        {"wrong password", [&] { FReader->SetPassword("wrong"); },
         "Cannot extract \"secret.txt\": wrong password"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FReader->Close();
        FReader->OpenFile(FZip);
        c.arrange();
        EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(FTemp / "out"); }), c.message);
        EXPECT_EQ(TreeOf(FTemp / "out"), std::vector<std::string>{});
    }
}

} // namespace
} // namespace archive::test
