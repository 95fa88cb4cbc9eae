// Compiles the Outlook and Extended-MAPI seam headers on every platform, so that a header
// that does not stand on its own fails the build here rather than in a later layer.
#include "corvane/outlook/accounts.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/attachments.h"
#include "corvane/outlook/command_bars.h"
#include "corvane/outlook/events.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/object.h"
#include "corvane/outlook/recipients.h"
#include "corvane/outlook/word.h"
#include "corvane/platform/error.h"

namespace corvane::outlook {
// Anchors the vtables of the root classes in one translation unit.
}  // namespace corvane::outlook
