#pragma once
// The Word object model as the add-in reaches it from a Word-edited Inspector:
// Inspector.WordEditor is a Document; its Application runs template macros and holds the
// loaded add-ins and templates.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/object.h"

namespace corvane::outlook::word {

class Document : public Dispatch {
public:
    virtual std::shared_ptr<word::Application> Application() = 0;
    virtual void Close() = 0;
};

class Application : public Dispatch {
public:
    // Runs a macro of a loaded template with the arguments, which it may change (by
    // reference). An unknown macro fails with errors::WordMacroNotFound.
    virtual void Run(std::string_view macroName, std::vector<Variant>& args) = 0;
    virtual std::shared_ptr<word::AddIns> AddIns() = 0;
    virtual std::shared_ptr<word::Templates> Templates() = 0;
};

class AddIns : public Dispatch {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<AddIn> Item(int index) = 0;  // 1-based
    // By full path or by name; a missing one fails with errors::WordNoSuchMember.
    virtual std::shared_ptr<AddIn> Item(std::string_view nameOrPath) = 0;
    // Loads a template file as an add-in; a missing file fails with errors::WordFileNotFound.
    virtual std::shared_ptr<AddIn> Add(std::string_view fileName, bool install) = 0;
};

class AddIn : public Dispatch {
public:
    virtual std::string Name() = 0;      // file name, "Corvane.dot"
    virtual std::string Path() = 0;      // folder
    virtual std::string FullName() = 0;  // folder + "\" + name
    virtual bool Installed() = 0;
    virtual void SetInstalled(bool installed) = 0;
};

class Templates : public Dispatch {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<Template> Item(int index) = 0;  // 1-based
    // By full path; a missing one fails with errors::WordNoSuchMember.
    virtual std::shared_ptr<Template> Item(std::string_view fullName) = 0;
};

class Template : public Dispatch {
public:
    virtual std::string Name() = 0;
    virtual std::string FullName() = 0;
    virtual bool Saved() = 0;
    virtual void SetSaved(bool saved) = 0;
};

}  // namespace corvane::outlook::word
