// Named resources compiled into the program: pictures and raw data, found by
// name without regard to letter case.
//
// A resource's name is the last part of its path inside the Qt resource
// system, up to its first '.'. Resources are looked for under the prefix
// "/named" (files listed in the hand-made resources/*.qrc) and then under
// "/generated" (the pictures drawn at build time), so a hand-made resource
// takes the place of a generated one of the same name.
#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

// Registers every resource file of the program (defined in a file that the
// build writes from the list of resources/*.qrc).
void InitNamedResources();

// The resource path (":/...") of a named resource; false when there is none.
bool FindNamedResource(const std::string& name, QString& path);
bool LoadNamedResource(const std::string& name, std::string& bytes);
bool LoadNamedPicture(const std::string& name, QImage& image);
// The names of every named resource, as stored, in the order of precedence.
std::vector<std::string> NamedResourceNames();
