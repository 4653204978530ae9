// The control gallery (examples/gallery.scr) shows each control type in its
// telling states; a script cannot express states such as pushed or a progress
// position, so this sets them by identifier once the gallery is loaded.
#pragma once

// Sets the gallery's states in the tree under the root; returns false, and
// names the identifier on standard error, if the loaded tree lacks one.
bool GallerySetStates();
