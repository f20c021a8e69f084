// Commands of the personal books.
#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "records/ui/activity_dialog.h"
#include "records/ui/address_dialogs.h"
#include "records/ui/equipment_dialogs.h"
#include "records/ui/trip_owner_dialogs.h"

bool runRecordsCommand(CMainFrame& frame, int id) {
  namespace c = kelp::cmd;
  switch (id) {
    case c::BuddyAddresses: openAddressBook(&frame); return true;
    case c::Equipment: openEquipmentBook(&frame); return true;
    case c::InstructorDemos: openActivityBook(&frame); return true;
    case c::Certifications: openOwnerBook(&frame, frame.document()->logbook()); return true;
    case c::Trips:
      openTrips(&frame, frame.document()->logbook(), [&frame](int position) {
        if (CKelpView* v = frame.view()) v->goToDive(position);
      });
      return true;
  }
  return false;
}
