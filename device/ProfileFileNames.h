// The names of a keyboard's profile files in its profile folder, one file
// per layer: the default layer, the Fn layer and, on magnetic-switch
// keyboards, the heavy-press layer. Each name starts with "/", so that it
// joins a folder path as it stands.
#ifndef PROFILEFILENAMES_H
#define PROFILEFILENAMES_H

class ProfileFileNames
{
public:
    enum File { DefaultLayer = 0, FnLayer = 1, HeavyPress = 2 };
    static constexpr int FileCount = 3;

    // "/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml";
    // empty for any other value.
    static const char *fileName(File file);
};

#endif
