#include "app/control_library.h"

const char* const kControlLibraryNames[2] = {"Ctl3D32.Dll", "Ctl3D.Dll"};

namespace {

ControlLibrary::Entry Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<ControlLibrary::Entry>(
        reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loads one file if it exists and offers every entry point; unloads it otherwise.
bool TryLibrary(const char* name, ControlLibrary& library) {
    OFSTRUCT found = {};
    found.cBytes = sizeof found;
    if (OpenFile(name, &found, OF_EXIST) == HFILE_ERROR) return false;
    HMODULE module = LoadLibraryA(name);
    if (!module) return false;
    library.registerApp = Lookup(module, "Ctl3dRegister");
    library.unregisterApp = Lookup(module, "Ctl3dUnregister");
    library.autoSubclass = Lookup(module, "Ctl3dAutoSubclass");
    if (!library.registerApp || !library.unregisterApp || !library.autoSubclass) {
        FreeLibrary(module);
        library = ControlLibrary();
        return false;
    }
    library.module = module;
    library.inUse = true;
    return true;
}

}  // namespace

ControlLibrary LoadControlLibrary(HINSTANCE instance, const char* const* names, int count) {
    ControlLibrary library;
    for (int i = 0; i < count && !library.inUse; ++i) TryLibrary(names[i], library);
    if (library.inUse && library.registerApp(instance)) {
        library.registered = true;
        library.autoSubclass(instance);
    }
    return library;
}

void ReleaseControlLibrary(ControlLibrary& library, HINSTANCE instance) {
    if (!library.inUse) return;
    if (library.registered) library.unregisterApp(instance);
    FreeLibrary(library.module);
    library = ControlLibrary();
}
