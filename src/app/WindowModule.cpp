#include "WindowModule.h"

#include <dlfcn.h>

#include <cstdio>

int runWindowModule(int &argc, char **argv) {
  // RTLD_NOW: a module that does not fit the program fails here, with a
  // message, rather than at some later call. RTLD_LOCAL: its copies of our
  // classes stay its own. It is never unloaded.
  void *module = dlopen(kWindowModuleFile, RTLD_NOW | RTLD_LOCAL);
  auto *entry = module ? reinterpret_cast<WindowEntry *>(dlsym(module, kWindowEntryName)) : nullptr;
  if (entry == nullptr) {
    const char *reason = dlerror();
    std::fprintf(stderr,
                 "The export window cannot open: its part of the program, %s, could not be "
                 "loaded (%s). Reinstall OrvellaExporter; meanwhile --export and --list work "
                 "without it.\n",
                 kWindowModuleFile, reason ? reason : "no reason given");
    return kWindowModuleMissing;
  }
  return entry(argc, argv);
}
