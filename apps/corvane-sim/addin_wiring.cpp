#include "addin_wiring.h"

namespace corvane::app {

bool registerAddinClasses(sim::SimApplication& app, sim::SimHost& host) {
    // The add-in's Connect is not part of this build yet. When it is:
    //   app.registerClass("Corvane.Connect", [&app, &host] { return <the add-in's Connect>(host.host(), ...); });
    // plus the Word template's macros (app.word().setTemplateMacros("Corvane.dot", ...)) and
    // any other class the add-in creates through Application.CreateObject.
    (void)app;
    (void)host;
    return false;
}

}  // namespace corvane::app
