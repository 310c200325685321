#pragma once
// Restoring the delivered data set: the copying of "\DATA.ORG\" over the data
// directory, and the creation of a directory with all its missing parents.
// The menu command itself is CEDITORDoc::OnDateiReinitialisierung.
#include <functional>
#include <string>

namespace v3 {

// Upper end of the progress bar of the reinitialisation; with more files the
// bar stays full.
inline constexpr int kReinitFortschritt = 776;

// Creates the directory of a stored path (".\DATA.V3\Wappen\"; an absolute host
// path beginning with '/' is taken as it is) and every missing parent. True when
// the directory exists afterwards. A file of that name is reported ("Konnte
// Directory %s nicht anlegen.\nGrund:" and the system's reason) and gives
// false. A trailing backslash is allowed.
bool CreateRecurseSubDir(std::string& pfad);
// The same on a copy of the path.
bool CreateRecurseDir(const std::string& pfad);

// True for a directory entry that the reinitialisation copies: a name of 5 to
// 12 characters.
bool ReinitKopiertNamen(const std::string& name);

// Copies every regular file with a name of 5..12 characters from the stored
// directory `von` into the stored directory `nach`, in the order the file
// system lists them, replacing (also read-only) targets; a target that exists
// under a name differing only in letter case is replaced under its own name.
// `kopiert` is called after each file. A missing source copies nothing and
// succeeds; false at the first copy that fails (the files before it stay copied).
bool KopiereOriginaldateien(const std::string& von, const std::string& nach,
                            const std::function<void()>& kopiert);

}  // namespace v3
