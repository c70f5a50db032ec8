#include "WindowModule.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/ExitStatus.h"

namespace {

// The folders where the program looks for libraries, in order: its run path
// with $ORIGIN already replaced by the program's folder, then the system's.
// dlopen() with a bare name searches them too, but only when the program
// itself calls it: a sanitizer that wraps dlopen() becomes the caller, whose
// run path is not ours.
std::vector<std::string> librarySearchFolders() {
  std::vector<std::string> folders;
  void *program = dlopen(nullptr, RTLD_NOW);
  Dl_serinfo size{};
  if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) {
    return folders;
  }
  std::vector<char> buffer(size.dls_size);
  auto *info = reinterpret_cast<Dl_serinfo *>(buffer.data());
  if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 ||
      dlinfo(program, RTLD_DI_SERINFO, info) != 0) {
    return folders;
  }
  for (unsigned i = 0; i < info->dls_cnt; ++i) {
    folders.emplace_back(info->dls_serpath[i].dls_name);
  }
  return folders;
}

}  // namespace

int runWindowModule(int &argc, char **argv, const Arguments &arguments) {
  // RTLD_NOW: a module that does not fit the program fails here, with a
  // message, rather than at some later call. RTLD_LOCAL: its copies of our
  // classes stay its own. It is never unloaded.
  void *module = nullptr;
  for (const std::string &folder : librarySearchFolders()) {
    const std::string path = folder + "/" + kWindowModuleFile;
    if ((module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) != nullptr) {
      break;
    }
  }
  if (module == nullptr) {
    module = dlopen(kWindowModuleFile, RTLD_NOW | RTLD_LOCAL);
  }
  auto *entry = module
                    ? reinterpret_cast<ModuleEntry *>(dlsym(module, arguments.command->moduleEntry))
                    : nullptr;
  if (entry == nullptr) {
    const char *reason = dlerror();
    std::fprintf(stderr,
                 "The export window cannot open: its part of the program, %s, could not be "
                 "loaded (%s). Reinstall Orvella Exporter; meanwhile --export and --list work "
                 "without it.\n",
                 kWindowModuleFile, reason ? reason : "no reason given");
    return ExitStatus::kModuleMissing;
  }
  return entry(argc, argv, arguments);
}

// The commands of the module: they need Qt Widgets, Gui or DBus.
extern const Command kWindowCommand{.moduleEntry = "orvellaExporterWindowWithArguments",
                                    .readsDatabase = true};

extern const Command kNotifyBackupFailureCommand{
    .option = {.name = "notify-backup-failure",
               .help = "Tell on the desktop that the daily backup failed; the backup service's "
                       "failure unit runs it."},
    .moduleEntry = "orvellaExporterNotifyBackupFailureWithArguments",
    .internal = true};
