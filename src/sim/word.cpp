#include "corvane/sim/word.h"

#include "corvane/sim/failure.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace w = outlook::word;

std::string FileNameOf(std::string_view path) {
    auto slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

namespace {

std::string FolderOf(std::string_view path) {
    auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string WithoutExtension(std::string_view name) {
    auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

class SimAddIns final : public w::AddIns {
public:
    explicit SimAddIns(std::shared_ptr<SimWord> word) : word_(std::move(word)) {}
    int Count() override { return static_cast<int>(word_->addIns().size()); }
    std::shared_ptr<w::AddIn> Item(int index) override {
        return ItemAt(word_->addIns(), index, errors::WordNoSuchMember);
    }
    std::shared_ptr<w::AddIn> Item(std::string_view nameOrPath) override {
        for (const auto& a : word_->addIns()) {
            if (text::equalsNoCase(a->FullName(), nameOrPath) || text::equalsNoCase(a->Name(), nameOrPath) ||
                text::equalsNoCase(WithoutExtension(a->Name()), nameOrPath)) {
                return a;
            }
        }
        Raise(errors::WordNoSuchMember);
    }
    std::shared_ptr<w::AddIn> Add(std::string_view fileName, bool install) override {
        return word_->addAddIn(fileName, install);
    }

private:
    std::shared_ptr<SimWord> word_;
};

class SimTemplates final : public w::Templates {
public:
    explicit SimTemplates(std::shared_ptr<SimWord> word) : word_(std::move(word)) {}
    int Count() override { return static_cast<int>(word_->templates().size()); }
    std::shared_ptr<w::Template> Item(int index) override {
        return ItemAt(word_->templates(), index, errors::WordNoSuchMember);
    }
    std::shared_ptr<w::Template> Item(std::string_view fullName) override {
        auto t = word_->findTemplate(fullName);
        if (!t) Raise(errors::WordNoSuchMember);
        return t;
    }

private:
    std::shared_ptr<SimWord> word_;
};

}  // namespace

SimWord::SimWord(platform::FileSystem* files) : files_(files) {
    templates_.push_back(std::make_shared<SimWordTemplate>(
        "C:\\Documents and Settings\\User\\Application Data\\Microsoft\\Templates\\Normal.dot"));
}

std::vector<TemplateMacro> ReadTemplateMacros(std::string_view fileText) {
    std::vector<TemplateMacro> macros;
    const auto lines = text::split(text::replaceAll(fileText, "\r\n", "\n"), "\n");
    if (lines.empty() || text::trim(lines.front()) != TemplateHeader) return macros;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string line = text::trim(lines[i]);
        if (line.empty() || line.front() == ';') continue;
        const auto eq = line.find('=');
        const std::string target = eq == std::string::npos ? std::string() : text::trim(line.substr(eq + 1));
        const auto dot = target.rfind('.');
        TemplateMacro m;
        if (eq != std::string::npos) m.name = text::trim(line.substr(0, eq));
        if (dot != std::string::npos) {
            m.progId = target.substr(0, dot);
            m.method = target.substr(dot + 1);
        }
        if (m.name.empty() || m.progId.empty() || m.method.empty()) Raise(errors::WordFileCorrupt);
        macros.push_back(std::move(m));
    }
    return macros;
}

void SimWord::Run(std::string_view macroName, std::vector<outlook::Variant>& args) {
    // "Project.Module.Macro" and "Macro" name the same macro here.
    auto dot = macroName.rfind('.');
    auto name = dot == std::string_view::npos ? macroName : macroName.substr(dot + 1);
    runLog_.emplace_back(name);
    for (const auto& addIn : addIns_) {
        if (!addIn->Installed()) continue;
        auto it = macros_.find(text::toLower(addIn->Name()));
        if (it != macros_.end() && it->second(name, args)) return;
        if (runFileMacro(*addIn, name, args)) return;
    }
    Raise(errors::WordMacroNotFound);
}

bool SimWord::runFileMacro(const SimWordAddIn& addIn, std::string_view name, std::vector<outlook::Variant>& args) {
    for (const auto& macro : addIn.macros()) {
        if (!text::equalsNoCase(macro.name, name)) continue;
        // The macro's CreateObject, inside Word's process, then the call by name.
        const std::string key = text::toLower(macro.progId);
        auto cls = classes_.find(key);
        if (cls == classes_.end()) Raise(errors::CannotCreateObject);
        auto loaded = loaded_.find(key);
        if (loaded == loaded_.end()) loaded = loaded_.emplace(key, cls->second()).first;
        auto object = std::dynamic_pointer_cast<outlook::Invocable>(loaded->second());
        if (!object) Raise(errors::CannotCreateObject);
        if (!object->Invoke(macro.method, args)) Raise(errors::NotSupported);
        return true;
    }
    return false;
}

void SimWord::registerClass(const std::string& progId, DllLoader load) {
    classes_[text::toLower(progId)] = std::move(load);
}

std::shared_ptr<w::AddIns> SimWord::AddIns() { return std::make_shared<SimAddIns>(shared_from_this()); }
std::shared_ptr<w::Templates> SimWord::Templates() { return std::make_shared<SimTemplates>(shared_from_this()); }

void SimWord::setTemplateMacros(const std::string& fileName, MacroHandler handler) {
    macros_[text::toLower(fileName)] = std::move(handler);
}

std::shared_ptr<SimWordAddIn> SimWord::addAddIn(std::string_view fullName, bool install) {
    for (const auto& a : addIns_) {
        if (text::equalsNoCase(a->FullName(), fullName)) {
            if (install) a->SetInstalled(true);
            return a;
        }
    }
    const auto content = files_ ? files_->readFile(fullName) : std::nullopt;
    if (!content) Raise(errors::WordFileNotFound);
    auto addIn = std::make_shared<SimWordAddIn>(std::string(fullName), ReadTemplateMacros(*content));
    addIn->SetInstalled(install);
    addIns_.push_back(addIn);
    if (!findTemplate(fullName)) templates_.push_back(std::make_shared<SimWordTemplate>(std::string(fullName)));
    return addIn;
}

std::shared_ptr<SimWordTemplate> SimWord::findTemplate(std::string_view fullName) const {
    for (const auto& t : templates_) {
        if (text::equalsNoCase(t->FullName(), fullName)) return t;
    }
    return nullptr;
}

SimWordAddIn::SimWordAddIn(std::string fullName, std::vector<TemplateMacro> macros)
    : fullName_(std::move(fullName)), macros_(std::move(macros)) {}
std::string SimWordAddIn::Name() { return FileNameOf(fullName_); }
std::string SimWordAddIn::Path() { return FolderOf(fullName_); }

SimWordTemplate::SimWordTemplate(std::string fullName) : fullName_(std::move(fullName)) {}
std::string SimWordTemplate::Name() { return FileNameOf(fullName_); }

SimWordDocument::SimWordDocument(std::shared_ptr<SimWord> word) : word_(std::move(word)) {}

std::shared_ptr<w::Application> SimWordDocument::Application() {
    if (closed_) Raise(errors::WordNoDocument);
    return word_;
}

void SimWordDocument::Close() { closed_ = true; }

}  // namespace corvane::sim
