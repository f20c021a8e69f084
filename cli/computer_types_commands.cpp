// kelp-cli computer-types: the table of "Tipi di computers", listed and changed by the same
// rules as the dialog, and written to Ctyp.ini.
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/cli.h"
#include "core/computer_models.h"
#include "core/ini_file.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "transfer/computer_types.h"
#include "core/strings.h"

namespace kelp::cli {
namespace {

struct TypesArgs {
  std::string logbook;
  std::optional<int> add, edit, remove;
  std::optional<std::string> name, gas, airIntegrated;
  std::optional<int> ident;
};

int rowOf(const ComputerTypesEdit& e, uint32_t id) {
  for (int i = 0; i < e.count(); ++i)
    if (e.rows()[i].id == id) return i;
  return -1;
}

uint32_t gasOf(const std::string& text) { return text == "nitrox" ? 1 : text == "o2" ? 2 : 0; }

// The fields the options give, over 'row'.
ComputerModel withOptions(ComputerModel row, const TypesArgs& a) {
  if (a.name) row.name = *a.name;
  if (a.ident) row.id = static_cast<uint32_t>(*a.ident);
  if (a.gas) row.gas = gasOf(*a.gas);
  if (a.airIntegrated) row.pressure = *a.airIntegrated == "yes" ? 1 : 0;
  return row;
}

int runComputerTypes(const TypesArgs& a) {
  // The types that dives of the logbook carry keep their Ident and gas kind, as in the window.
  Logbook lb;
  if (!a.logbook.empty()) {
    Result loaded = lb.loadFile(a.logbook);
    if (!loaded) return fail(loaded.error);
  }
  ComputerModelTable& table = computerModels();
  ComputerTypesEdit e(table, typesInUse(lb));
  Result r = Result::success();
  if (a.add) {
    ComputerModel row;
    row.id = static_cast<uint32_t>(*a.add);
    r = e.add(withOptions(row, a));
  } else if (a.edit || a.remove) {
    const int id = a.edit ? *a.edit : *a.remove;
    const int row = rowOf(e, static_cast<uint32_t>(id));
    if (row < 0) return fail(strf(63545, static_cast<unsigned>(id)));
    e.select(row);
    if (a.edit) {
      if (!e.canEdit()) return fail(strf(63546, e.rows()[row].name.c_str()));
      r = e.edit(row, withOptions(e.rows()[row], a));
    } else {
      r = e.removeSelected();
    }
  }
  if (!r) return fail(r.error);
  if (e.changed()) {
    e.apply(table);
    const std::string path = configFilePath("Ctyp.ini");
    if (!table.saveTypesFile(path)) return fail(strf(63408, path.c_str()));
  }
  for (int i = 0; i < table.count(); ++i) {
    const auto cells = computerTypeCells(table.at(i));
    std::printf("%s\t%s\t%s\t%s\t%s\n", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(), cells[3].c_str(),
                cells[4].c_str());
  }
  return 0;
}

Run setupComputerTypes(CLI::App& cmd) {
  auto a = std::make_shared<TypesArgs>();
  cmd.add_option("--logbook", a->logbook, "logbook whose dives' types keep their Ident and gas");
  CLI::Option* add = cmd.add_option("--add", a->add, "add a type with this Ident")->check(number(1, 255, "an Ident"));
  CLI::Option* edit =
      cmd.add_option("--edit", a->edit, "change the type with this Ident")->check(number(0, 255, "an Ident"));
  CLI::Option* remove =
      cmd.add_option("--delete", a->remove, "delete the type with this Ident")->check(number(0, 255, "an Ident"));
  add->excludes(edit)->excludes(remove);
  edit->excludes(remove);
  CLI::Option* name = cmd.add_option("--name", a->name, "name of the type");
  cmd.add_option("--ident", a->ident, "new Ident")->check(number(1, 255, "an Ident"))->needs(edit);
  CLI::Option* gas =
      cmd.add_option("--gas", a->gas, "gas: air, nitrox or o2")->check(CLI::IsMember({"air", "nitrox", "o2"}));
  CLI::Option* air =
      cmd.add_option("--air-integrated", a->airIntegrated, "the computer measures tank pressure: yes or no")
          ->check(CLI::IsMember({"yes", "no"}));
  for (CLI::Option* o : {name, gas, air}) o->excludes(remove);
  return [a] {
    if (a->add && !a->name) return fail("--add needs --name");
    if (!a->add && !a->edit && (a->name || a->gas || a->airIntegrated))
      return fail("--name, --gas and --air-integrated need --add or --edit");
    return runComputerTypes(*a);
  };
}

}  // namespace

REGISTER_CLI_COMMAND({"computer-types",
                      "computer-types [--logbook LOGBOOK] [--add ID --name T | --edit ID | --delete ID] "
                      "[--name T] [--ident N] [--gas air|nitrox|o2] [--air-integrated yes|no]",
                      "list or change the computer types (Ctyp.ini)", setupComputerTypes});

}  // namespace kelp::cli
