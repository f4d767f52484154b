// rc: compiles a resource script into a C++ source that carries the resources.
//   rc SCRIPT -o OUTPUT [--depfile FILE] [-I DIR]...
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "compile.h"
#include "generate.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path script;
    fs::path output;
    fs::path depfile;
    std::vector<fs::path> includeDirs;
};

constexpr const char* kUsage = "usage: rc SCRIPT -o OUTPUT [--depfile FILE] [-I DIR]...\n";

bool ParseArguments(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; i++) {
        std::string argument = argv[i];
        bool hasValue = i + 1 < argc;
        if (argument == "-o" && hasValue)
            options.output = argv[++i];
        else if (argument == "--depfile" && hasValue)
            options.depfile = argv[++i];
        else if (argument == "-I" && hasValue)
            options.includeDirs.push_back(argv[++i]);
        else if (argument.size() > 2 && argument.compare(0, 2, "-I") == 0)
            options.includeDirs.push_back(argument.substr(2));
        else if (argument[0] != '-' && options.script.empty())
            options.script = argument;
        else
            return false;
    }
    return !options.script.empty() && !options.output.empty();
}

bool WriteFile(const fs::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (out) return true;
    std::cerr << "rc: error: cannot write '" << path.string() << "'\n";
    return false;
}

int Compile(const Options& options)
{
    rc::Compilation compiled = rc::CompileScript(options.script, options.includeDirs, rc::DiskFiles());
    std::string source = rc::GeneratedSource(compiled.resources, options.script.filename().string());
    if (!WriteFile(options.output, source)) return 1;
    if (!options.depfile.empty() && !WriteFile(options.depfile, rc::Depfile(options.output, compiled.inputs)))
        return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseArguments(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        return Compile(options);
    } catch (const rc::ScriptError& error) {
        std::cerr << error.where.file;
        if (error.where.line > 0) std::cerr << ":" << error.where.line;
        std::cerr << ": error: " << error.what() << "\n";
        return 1;
    }
}
