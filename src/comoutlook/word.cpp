// Word behind a Word-edited Inspector over IDispatch: the document, its application
// (Run with by-reference arguments), the loaded add-ins and templates.
#include "wrap.h"

namespace corvane::comoutlook {

namespace word = outlook::word;

namespace {

class ComWordDocument final : public word::Document, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.Document"};
    using Wrapped::Wrapped;

    std::shared_ptr<word::Application> Application() override {
        return WrapWordApplication(objects(), get("Application").object());
    }
    void Close() override { call("Close"); }
};

std::shared_ptr<word::AddIn> WrapWordAddIn(Objects& objects, const Dispatched& object);
std::shared_ptr<word::Template> WrapWordTemplate(Objects& objects, const Dispatched& object);

class ComWordAddIns final : public word::AddIns, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.AddIns"};
    using Wrapped::Wrapped;

    int Count() override { return number("Count"); }
    std::shared_ptr<word::AddIn> Item(int index) override {
        return WrapWordAddIn(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<word::AddIn> Item(std::string_view nameOrPath) override {
        return WrapWordAddIn(objects(), call("Item", {Value(nameOrPath)}).object());
    }
    std::shared_ptr<word::AddIn> Add(std::string_view fileName, bool install) override {
        return WrapWordAddIn(objects(), call("Add", {Value(fileName), Value(install)}).object());
    }
};

class ComWordTemplates final : public word::Templates, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.Templates"};
    using Wrapped::Wrapped;

    int Count() override { return number("Count"); }
    std::shared_ptr<word::Template> Item(int index) override {
        return WrapWordTemplate(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<word::Template> Item(std::string_view fullName) override {
        return WrapWordTemplate(objects(), call("Item", {Value(fullName)}).object());
    }
};

class ComWordApplication final : public word::Application, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.Application"};
    using Wrapped::Wrapped;

    // Run(MacroName, varg1, ...): the macro's arguments go by reference, so what the
    // macro assigns to them comes back.
    void Run(std::string_view macroName, std::vector<outlook::Variant>& args) override {
        std::vector<Value> values{Value(macroName)};
        for (const auto& arg : args) values.push_back(Objects::fromVariant(arg));
        late().call("Run", values, 1);
        for (std::size_t i = 0; i < args.size(); ++i) args[i] = objects().toVariant(values[i + 1]);
    }
    std::shared_ptr<word::AddIns> AddIns() override { return objects().wrap<ComWordAddIns>(get("AddIns").object()); }
    std::shared_ptr<word::Templates> Templates() override {
        return objects().wrap<ComWordTemplates>(get("Templates").object());
    }
};

class ComWordAddIn final : public word::AddIn, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.AddIn"};
    using Wrapped::Wrapped;

    std::string Name() override { return text("Name"); }
    std::string Path() override { return text("Path"); }
    std::string FullName() override { return text("FullName"); }
    bool Installed() override { return flag("Installed"); }
    void SetInstalled(bool installed) override { set("Installed", Value(installed)); }
};

class ComWordTemplate final : public word::Template, public Wrapped {
public:
    static constexpr std::string_view TypeName{"word.Template"};
    using Wrapped::Wrapped;

    std::string Name() override { return text("Name"); }
    std::string FullName() override { return text("FullName"); }
    bool Saved() override { return flag("Saved"); }
    void SetSaved(bool saved) override { set("Saved", Value(saved)); }
};

std::shared_ptr<word::AddIn> WrapWordAddIn(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComWordAddIn>(object);
}
std::shared_ptr<word::Template> WrapWordTemplate(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComWordTemplate>(object);
}

}  // namespace

std::shared_ptr<word::Document> WrapWordDocument(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComWordDocument>(object);
}
std::shared_ptr<word::Application> WrapWordApplication(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComWordApplication>(object);
}

}  // namespace corvane::comoutlook
