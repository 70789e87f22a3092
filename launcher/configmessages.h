#pragma once

#include "configformat.h"
#include "storabletext.h"

// The launcher's words for what the configuration library reports.

// Why a typed name, or typed arguments, cannot be stored.
QString NameRefusal(const UnstorableText &problem);
QString ArgumentsRefusal(const UnstorableText &problem);

// Why a save failed, for a message that has named the file already.
QString SaveFailureReason(const SaveError &error);
