// The program's own accessible interfaces, given to Qt in place of its own for
// the number fields (an edit with up-down arrows), the drop-down lists and
// the windows that are plain widgets.
#pragma once

// Installs them; from then on every new number field and list gets them. Once
// is enough. Qt keeps the interface it made first: an edit is a number field
// only if its arrows took it before anything asked (the template builder makes
// the arrows right after their edit).
void InstallAccessibleFactory();
