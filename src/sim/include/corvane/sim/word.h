#pragma once
// The Word behind Word-edited Inspectors: one Word application for the Outlook process,
// its add-ins and templates, and the macros of templates, which the profile supplies as
// handlers (the add-in's template code) by template file name.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/word.h"
#include "corvane/platform/file_system.h"

namespace corvane::sim {

// Runs one macro of a template; false when the template has no macro of that name.
using MacroHandler = std::function<bool(std::string_view macroName, std::vector<outlook::Variant>& args)>;

class SimWordAddIn;
class SimWordTemplate;

class SimWord final : public outlook::word::Application, public std::enable_shared_from_this<SimWord> {
public:
    explicit SimWord(platform::FileSystem* files);

    void Run(std::string_view macroName, std::vector<outlook::Variant>& args) override;
    std::shared_ptr<outlook::word::AddIns> AddIns() override;
    std::shared_ptr<outlook::word::Templates> Templates() override;

    // The macros of a template file (matched by file name, ignoring case).
    void setTemplateMacros(const std::string& fileName, MacroHandler handler);
    // Loads a template as an add-in (what AddIns.Add does); fails when the file is missing.
    std::shared_ptr<SimWordAddIn> addAddIn(std::string_view fullName, bool install);
    const std::vector<std::shared_ptr<SimWordAddIn>>& addIns() const { return addIns_; }
    const std::vector<std::shared_ptr<SimWordTemplate>>& templates() const { return templates_; }
    std::shared_ptr<SimWordTemplate> findTemplate(std::string_view fullName) const;
    // The macros run so far, by name.
    const std::vector<std::string>& runLog() const { return runLog_; }

private:
    platform::FileSystem* files_;
    std::vector<std::shared_ptr<SimWordAddIn>> addIns_;
    std::vector<std::shared_ptr<SimWordTemplate>> templates_;
    std::map<std::string, MacroHandler> macros_;  // lower-case file name
    std::vector<std::string> runLog_;
};

class SimWordAddIn final : public outlook::word::AddIn {
public:
    explicit SimWordAddIn(std::string fullName);
    std::string Name() override;
    std::string Path() override;
    std::string FullName() override { return fullName_; }
    bool Installed() override { return installed_; }
    void SetInstalled(bool installed) override { installed_ = installed; }

private:
    std::string fullName_;
    bool installed_ = false;
};

class SimWordTemplate final : public outlook::word::Template {
public:
    explicit SimWordTemplate(std::string fullName);
    std::string Name() override;
    std::string FullName() override { return fullName_; }
    bool Saved() override { return saved_; }
    void SetSaved(bool saved) override { saved_ = saved; }

private:
    std::string fullName_;
    bool saved_ = true;
};

// The document of one Word-edited Inspector.
class SimWordDocument final : public outlook::word::Document {
public:
    explicit SimWordDocument(std::shared_ptr<SimWord> word);
    std::shared_ptr<outlook::word::Application> Application() override;
    void Close() override;
    bool closed() const { return closed_; }

private:
    std::shared_ptr<SimWord> word_;
    bool closed_ = false;
};

// "C:\a\Corvane.dot" -> "Corvane.dot".
std::string FileNameOf(std::string_view path);

}  // namespace corvane::sim
