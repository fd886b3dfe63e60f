#include "build/build_sci_constants.h"

#include <Qsci/qsciscintillabase.h>

// The values the build logic sends must be the editing component's own.
namespace quillo::sci {

static_assert(SCI_MARKERDELETEALL == static_cast<int>(QsciScintillaBase::SCI_MARKERDELETEALL));
static_assert(SCI_MARKERGET == static_cast<int>(QsciScintillaBase::SCI_MARKERGET));
static_assert(SCI_ANNOTATIONSETTEXT == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONSETTEXT));
static_assert(SCI_ANNOTATIONGETTEXT == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONGETTEXT));
static_assert(SCI_ANNOTATIONSETSTYLE == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONSETSTYLE));
static_assert(SCI_ANNOTATIONGETSTYLE == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONGETSTYLE));
static_assert(SCI_ANNOTATIONCLEARALL == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONCLEARALL));
static_assert(SCI_ANNOTATIONSETVISIBLE == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONSETVISIBLE));
static_assert(SCI_ANNOTATIONGETVISIBLE == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONGETVISIBLE));
static_assert(SCI_ANNOTATIONSETSTYLEOFFSET == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONSETSTYLEOFFSET));
static_assert(SCI_ANNOTATIONGETSTYLEOFFSET == static_cast<int>(QsciScintillaBase::SCI_ANNOTATIONGETSTYLEOFFSET));
static_assert(SCI_SETCURSOR == static_cast<int>(QsciScintillaBase::SCI_SETCURSOR));
static_assert(SCI_GETMODEVENTMASK == static_cast<int>(QsciScintillaBase::SCI_GETMODEVENTMASK));
static_assert(ANNOTATION_BOXED == static_cast<int>(QsciScintillaBase::ANNOTATION_BOXED));
static_assert(SC_CURSORNORMAL == static_cast<int>(QsciScintillaBase::SC_CURSORNORMAL));
static_assert(SC_CURSORWAIT == static_cast<int>(QsciScintillaBase::SC_CURSORWAIT));

}  // namespace quillo::sci
