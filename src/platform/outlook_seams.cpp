// Compiles the Outlook and Extended-MAPI seam headers on every platform, so that a header
// that does not stand on its own fails the build here rather than in a later layer.
#include "corvane/platform/mapi/objects.h"
#include "corvane/platform/mapi/props.h"
#include "corvane/platform/outlook/accounts.h"
#include "corvane/platform/outlook/addin.h"
#include "corvane/platform/outlook/application.h"
#include "corvane/platform/outlook/attachments.h"
#include "corvane/platform/outlook/command_bars.h"
#include "corvane/platform/outlook/errors.h"
#include "corvane/platform/outlook/events.h"
#include "corvane/platform/outlook/explorer.h"
#include "corvane/platform/outlook/folders.h"
#include "corvane/platform/outlook/inspector.h"
#include "corvane/platform/outlook/items.h"
#include "corvane/platform/outlook/object.h"
#include "corvane/platform/outlook/recipients.h"
#include "corvane/platform/outlook/word.h"

namespace corvane::outlook {
// Anchors the vtables of the root classes in one translation unit.
}  // namespace corvane::outlook
