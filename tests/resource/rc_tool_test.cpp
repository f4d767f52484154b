// The resource compiler run as the build runs it: its output, its depfile and its errors.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class RcTool : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/rc_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        Write("data.bin", "0123");
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& name, const std::string& content) { std::ofstream(dir_ / name) << content; }
    std::string Read(const std::string& name)
    {
        std::stringstream text;
        text << std::ifstream(dir_ / name).rdbuf();
        return text.str();
    }

    // Compiles `script` (as script.rc) to out.cpp with a depfile: rc's exit status and what it said.
    std::pair<int, std::string> Compile(const std::string& script)
    {
        fs::remove(dir_ / "out.cpp");
        Write("script.rc", script);
        const std::string command = std::string(RC_TOOL_PATH) + " " + Path("script.rc") + " -o " + Path("out.cpp") +
                                    " --depfile " + Path("out.d") + " > " + Path("said") + " 2>&1";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read("said")};
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // rc fails, writes nothing and names the line and the fault.
    void ExpectError(const std::string& script, int line, const std::string& message)
    {
        auto [status, said] = Compile(script);
        std::string where = Path("script.rc") + ":" + std::to_string(line) + ": error: ";
        EXPECT_TRUE(status == 1 && said.find(where) != said.npos && said.find(message) != said.npos &&
                    !fs::exists(dir_ / "out.cpp"))
            << script.substr(0, 200) << "\n" << said;
    }

    fs::path dir_;
};

TEST_F(RcTool, WritesTheTableAndADepfileOfEveryInput)
{
    Write("ids.h", "// ids\n#define IDR_DATA 7 /* the data */\n#ifdef NOT_DEFINED\n#define IDR_DATA 8\n#endif\n");
    auto [status, messages] = Compile("#include \"ids.h\"\nIDR_DATA PNG \"data.bin\"\n");
    ASSERT_EQ(status, 0) << messages;
    std::string source = Read("out.cpp"), depfile = Read("out.d");
    EXPECT_NE(source.find("wincore_resource_count = 1;"), std::string::npos);
    EXPECT_NE(source.find("reinterpret_cast<const char16_t*>(7)"), std::string::npos) << "the id from ids.h, not 8";
    EXPECT_EQ(source.find("#include"), std::string::npos);
    EXPECT_EQ(depfile.find(Path("out.cpp") + ":"), 0u);
    for (const char* input : {"script.rc", "ids.h", "data.bin"}) EXPECT_NE(depfile.find(Path(input)), std::string::npos) << input;
}

// Each fault with its line, including scripts that once crashed or never ended: nesting deep
// enough to exhaust the stack, and macros that double at every level or chain without end.
TEST_F(RcTool, ReportsEachFaultWithItsLine)
{
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    std::string doubling = "#define A0\n", chain;
    for (int level = 1; level <= 40; level++)
        doubling += "#define A" + std::to_string(level) + " A" + std::to_string(level - 1) + " A" +
                    std::to_string(level - 1) + "\n";
    for (int level = 0; level < 1000; level++)
        chain += "#define B" + std::to_string(level) + " B" + std::to_string(level + 1) + "\n";
    struct Row {
        std::string script;
        int line;
        const char* message;
    };
    const Row rows[] = {
        {"// first\n101 PNG \"data.bin\"\n102 PNG ,\n", 3, "expected a quoted file name"},
        {"101 DIALOG 0, 0, 10, 10\nSTYLE WS_POPUP | WS_NOSUCH\nBEGIN\nEND\n", 2, "WS_NOSUCH"},
        {"\n101 PNG \"missing.png\"\n", 2, "missing.png"},
        {"0 PNG \"data.bin\"\n", 1, "outside 1..65535"},
        {"5 PNG \"data.bin\"\nfoo PNG \"data.bin\"\n5 png \"data.bin\"\n", 3, "already defined"},
        {"101 BITMAP \"data.bin\"\n", 1, "not a BMP file"},
        {"#pragma code_page(1252)\n", 1, "65001"},
        {"1 ICON \"data.bin\"\n", 1, "ICON"},  // what it does not compile
        {"#define F(x) x\n", 1, "function-like"},
        {"1 DIALOG " + deep + ", 0, 1, 1\nBEGIN\nEND\n", 1, "nests too deeply"},
        {doubling + "1 RCDATA A40\n", 42, "too many tokens"},
        {chain + "1 RCDATA B0\n", 1001, "nest too deeply"},
    };
    for (const Row& row : rows) ExpectError(row.script, row.line, row.message);
    // The one signed quotient that does not fit once crashed it.
    EXPECT_EQ(Compile("1 DIALOG 0x80000000 / -1 & 0x7FFF, 0, 1, 1\nBEGIN\nEND\n").first, 0);
}

}  // namespace
