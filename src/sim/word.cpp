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

void SimWord::Run(std::string_view macroName, std::vector<outlook::Variant>& args) {
    // "Project.Module.Macro" and "Macro" name the same macro here.
    auto dot = macroName.rfind('.');
    auto name = dot == std::string_view::npos ? macroName : macroName.substr(dot + 1);
    runLog_.emplace_back(name);
    for (const auto& addIn : addIns_) {
        if (!addIn->Installed()) continue;
        auto it = macros_.find(text::toLower(addIn->Name()));
        if (it != macros_.end() && it->second(name, args)) return;
    }
    Raise(errors::WordMacroNotFound);
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
    if (!files_ || !files_->fileExists(fullName)) Raise(errors::WordFileNotFound);
    auto addIn = std::make_shared<SimWordAddIn>(std::string(fullName));
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

SimWordAddIn::SimWordAddIn(std::string fullName) : fullName_(std::move(fullName)) {}
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
