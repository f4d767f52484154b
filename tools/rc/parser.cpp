#include "parser.h"


#include "cursor.h"
#include "dialog.h"
#include "expression.h"
#include "names.h"
#include "text.h"

namespace rc {

namespace fs = std::filesystem;

namespace {

constexpr size_t kBitmapFileHeaderSize = 14;

struct NamedType {
    const char* keyword;
    uint16_t type;
};

constexpr NamedType kFileTypes[] = {
    {"BITMAP", kTypeBitmap}, {"RCDATA", kTypeRcdata}, {"HTML", kTypeHtml}, {"MANIFEST", kTypeManifest},
};

constexpr const char* kUnsupportedTypes[] = {
    "ICON", "CURSOR", "MENU", "MENUEX", "ACCELERATORS", "VERSIONINFO", "FONT", "MESSAGETABLE",
    "TOOLBAR", "DLGINIT", "TEXTINCLUDE", "DESIGNINFO", "STRINGTABLE",
};

constexpr const char* kUnsupportedStatements[] = {"STRINGTABLE", "LANGUAGE", "VERSION", "CHARACTERISTICS"};

class ScriptParser {
public:
    ScriptParser(const std::vector<Token>& tokens, const fs::path& baseDir, std::vector<fs::path>& files,
                 const FileSource& source)
        : cursor_(tokens), baseDir_(baseDir), files_(files), source_(source)
    {
    }

    std::vector<Resource> Parse()
    {
        std::vector<Resource> resources;
        while (!cursor_.AtEnd()) {
            Resource resource = Statement();
            CheckUnique(resources, resource);
            resources.push_back(std::move(resource));
        }
        return resources;
    }

private:
    Resource Statement()
    {
        for (const char* keyword : kUnsupportedStatements)
            if (cursor_.IsKeyword(keyword)) Fail(cursor_.Peek().where, "unsupported statement " + cursor_.Peek().text);
        Resource resource;
        resource.where = cursor_.Peek().where;
        resource.name = ParseResourceName(cursor_, "a resource name");
        if (cursor_.IsKeyword("DIALOG") || cursor_.IsKeyword("DIALOGEX")) {
            bool extended = cursor_.IsKeyword("DIALOGEX");
            cursor_.Next();
            resource.type = ResourceId::Number(kTypeDialog);
            resource.data = DialogTemplate(ParseDialog(cursor_, extended));
            return resource;
        }
        resource.type = Type();
        SkipMemoryOptions(cursor_);
        resource.data = FileContents();
        if (resource.type == ResourceId::Number(kTypeBitmap)) StripBitmapFileHeader(resource);
        return resource;
    }

    ResourceId Type()
    {
        const Token& token = cursor_.Peek();
        for (const char* keyword : kUnsupportedTypes)
            if (cursor_.IsKeyword(keyword)) Fail(token.where, "resource type " + token.text + " is not supported");
        for (const NamedType& named : kFileTypes)
            if (cursor_.AcceptKeyword(named.keyword)) return ResourceId::Number(named.type);
        if (token.kind == TokenKind::End) cursor_.Unexpected("a resource type");
        return ParseResourceName(cursor_, "a resource type");
    }

    std::vector<uint8_t> FileContents()
    {
        const Token& token = cursor_.Peek();
        if (cursor_.IsKeyword("BEGIN") || cursor_.IsPunct("{")) Fail(token.where, "inline resource data is not supported");
        if (token.kind != TokenKind::String) cursor_.Unexpected("a quoted file name");
        cursor_.Next();
        fs::path path = baseDir_ / FileName(token);
        std::optional<std::string> content = source_.Read(path);
        if (!content) Fail(token.where, "cannot open '" + path.string() + "'");
        files_.push_back(fs::absolute(path).lexically_normal());
        return std::vector<uint8_t>(content->begin(), content->end());
    }

    // A bitmap resource is the .bmp file without its BITMAPFILEHEADER, as rc stores it.
    static void StripBitmapFileHeader(Resource& resource)
    {
        std::vector<uint8_t>& data = resource.data;
        if (data.size() <= kBitmapFileHeaderSize || data[0] != 'B' || data[1] != 'M')
            Fail(resource.where, "bitmap " + Describe(resource.name) + " is not a BMP file");
        data.erase(data.begin(), data.begin() + kBitmapFileHeaderSize);
    }

    static void CheckUnique(const std::vector<Resource>& resources, const Resource& added)
    {
        for (const Resource& resource : resources)
            if (resource.type == added.type && resource.name == added.name)
                Fail(added.where, "resource " + Describe(added.name) + " of type " + Describe(added.type) +
                                      " is already defined at " + resource.where.file + ":" +
                                      std::to_string(resource.where.line));
    }

    Cursor cursor_;
    fs::path baseDir_;
    std::vector<fs::path>& files_;
    const FileSource& source_;
};

}  // namespace

std::vector<Resource> ParseScript(const std::vector<Token>& tokens, const fs::path& baseDir,
                                  std::vector<fs::path>& files, const FileSource& source)
{
    return ScriptParser(tokens, baseDir, files, source).Parse();
}

}  // namespace rc
