#include "flow/dispatcher.h"

#include "flow/catalogue.h"

namespace glyphmate {

void run_conversion(DialogOps& dialog) {
    const std::string type = dialog.selected_type_text();
    dialog.read_options();
    const CatalogueEntry* entry = find_entry(type);
    if (entry != nullptr && entry->handler != nullptr) entry->handler(dialog, entry->variant);
}

void run_conversion(DialogOps& dialog, const CatalogueEntry& entry) {
    dialog.read_options();
    if (entry.handler != nullptr) entry.handler(dialog, entry.variant);
}

}  // namespace glyphmate
