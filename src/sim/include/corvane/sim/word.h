#pragma once
// The Word behind Word-edited Inspectors: one Word application for the Outlook process,
// its add-ins and templates, and the macros of templates. Word reads a template's macros
// from the template file when it loads it (the simulated template format, read by
// ReadTemplateMacros); a macro creates an object by its ProgId in Word's process and calls
// one of its methods with the macro's own arguments. Tests may also give a template's
// macros as a handler by file name.
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

// One macro of a template: it creates `progId` and calls `method` with its arguments.
struct TemplateMacro {
    std::string name;
    std::string progId;
    std::string method;
};

// The first line of a template file in the simulated format.
inline constexpr std::string_view TemplateHeader = "Simulated Word template";

// The macros a template file declares: after the header line, one macro a line as
// "<macro> = <ProgId>.<method>"; blank lines and lines starting with ";" are skipped. A
// file without the header (a real template's binary) declares none. A line that fits
// neither makes the file unreadable (errors::WordFileCorrupt), as a damaged template is.
std::vector<TemplateMacro> ReadTemplateMacros(std::string_view fileText);

class SimWord final : public outlook::word::Application, public std::enable_shared_from_this<SimWord> {
public:
    explicit SimWord(platform::FileSystem* files);

    void Run(std::string_view macroName, std::vector<outlook::Variant>& args) override;
    std::shared_ptr<outlook::word::AddIns> AddIns() override;
    std::shared_ptr<outlook::word::Templates> Templates() override;

    // The macros of a template file (matched by file name, ignoring case), run before the
    // ones the file declares.
    void setTemplateMacros(const std::string& fileName, MacroHandler handler);
    // What CreateObject gives inside Word's process (the classes of the add-in's DLL, for
    // the template's macros). The DLL is loaded into Word's process on the first
    // CreateObject (`load` gives the class factory, with the DLL's state in that process)
    // and goes with the process when Outlook ends (endProcess).
    using ClassFactory = std::function<std::shared_ptr<outlook::Dispatch>()>;
    using DllLoader = std::function<ClassFactory()>;
    void registerClass(const std::string& progId, DllLoader load);
    void endProcess() { loaded_.clear(); }
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
    bool runFileMacro(const SimWordAddIn& addIn, std::string_view name, std::vector<outlook::Variant>& args);

    std::map<std::string, MacroHandler> macros_;  // lower-case file name
    std::map<std::string, DllLoader> classes_;    // lower-case ProgId
    std::map<std::string, ClassFactory> loaded_;  // in the running Word process
    std::vector<std::string> runLog_;
};

class SimWordAddIn final : public outlook::word::AddIn {
public:
    SimWordAddIn(std::string fullName, std::vector<TemplateMacro> macros);
    std::string Name() override;
    std::string Path() override;
    std::string FullName() override { return fullName_; }
    bool Installed() override { return installed_; }
    void SetInstalled(bool installed) override { installed_ = installed; }
    const std::vector<TemplateMacro>& macros() const { return macros_; }

private:
    std::string fullName_;
    std::vector<TemplateMacro> macros_;
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
