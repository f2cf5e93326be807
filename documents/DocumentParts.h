#pragma once

// What the species and the database documents share: an entry is a species document's content
// without its "Type".

#include "Documents.h"

// "Species", then Dataset1, Dataset2, ... into the open object.
void EntryMembers(const TSpeciesEntry& entry, JsonBuilder& builder);

// The species and its spectra from an object with "Species" and Dataset members.
TSpeciesEntry EntryFromJSON(const JsonValue& object);

// Throws WrongDocumentType unless "Type" is "Database v1".
void RequireDatabaseType(const JsonValue& document);
