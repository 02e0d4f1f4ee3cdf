// Whether a profile file lists a profile of a given index: only such a
// profile can become the file's current one or be sent to the keyboard.
#ifndef PROFILEINDEXCHECK_H
#define PROFILEINDEXCHECK_H

bool profileFileHasProfile(const char *path, int profileIndex);

#endif
