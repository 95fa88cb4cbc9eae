// The window events Connect receives: it registers new windows and shuts the application
// sink down when the last window closes.
#include "corvane/addin/connect.h"
#include "corvane/addin/window_registry.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"

namespace corvane::addin {

using platform::IgnoreErrors;

void Connect::reviveSink() {
    auto& p = *process_;
    IgnoreErrors([&] {
        if (!outAddIn_) outAddIn_ = OutAddIn::Create(p);
    });
    IgnoreErrors([&] {
        if (outAddIn_->Initialized()) return;
        // Shutting the sink down let go of Outlook and of the list object: take both again.
        if (!p.gOutlook) p.gOutlook = applicationObject_;
        core::EnsureOutlook(p);
        outAddIn_->Init(p.gOutlook, p.gProgId);
        if (!p.gSendAcct) createSendAcct();
    });
}

void Connect::colExpl_NewExplorer(const std::shared_ptr<outlook::Explorer>& Explorer) {
    auto self = shared_from_this();
    auto& p = *process_;
    // During start-up the connection registers the Explorers that exist itself.
    if (p.gStartingUp) return;
    IgnoreErrors([&] { objExpl.set(Explorer, explorerSink_); });
    reviveSink();
    IgnoreErrors([&] { AddExpl(p, Explorer); });
}

void Connect::objExpl_Close() {
    auto self = shared_from_this();
    objExpl.reset();
    IgnoreErrors([&] {
        auto app = core::vb::Need(outlookApp());
        auto active = app->ActiveExplorer();
        objExpl.set(active, explorerSink_);
        if (!active && app->Inspectors()->Count() == 0 && outAddIn_) outAddIn_->UnInit();
    });
}

void Connect::colInsp_NewInspector(const std::shared_ptr<outlook::Inspector>& Inspector) {
    auto self = shared_from_this();
    auto& p = *process_;
    IgnoreErrors([&] { objInsp.set(Inspector, inspectorSink_); });
    reviveSink();
    IgnoreErrors([&] {
        const int itemClass = core::vb::Need(core::vb::Need(Inspector)->CurrentItem())->Class();
        // Notes never get a wrapper; of the rest only mail items do.
        if (itemClass != outlook::olclass::Note && itemClass == outlook::olclass::Mail) AddInsp(p, Inspector);
    });
}

void Connect::objInsp_Close() {
    auto self = shared_from_this();
    objInsp.reset();
    IgnoreErrors([&] {
        auto app = core::vb::Need(outlookApp());
        objInsp.set(app->ActiveInspector(), inspectorSink_);
        // The closing Inspector still counts.
        if (app->Explorers()->Count() == 0 && app->Inspectors()->Count() < 2 && outAddIn_) outAddIn_->UnInit();
    });
}

}  // namespace corvane::addin
