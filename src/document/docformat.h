#pragma once

// Constants of the topic-document layout shared by reader and writer.
namespace bw::docformat {

inline constexpr char kMagic[] = "BWK-2.10";
inline constexpr char kVersion[] = "2.10";
inline constexpr char kFieldList[] =
    "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern"
    "|HD-DokTyp|HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr"
    "|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|OB-KAusrAkt|OB-FrageNummer|OB-Stil|OB-Farbe"
    "|OB-Untertyp|OB-BildAntw|OB-AntwortAnz|";

// The smallest object record: four Float64, an empty LengthString and seven Int32.
inline constexpr int kMinRecordBytes = 4 * 8 + 4 + 7 * 4;

inline bool HasPicture(int typ) {
    return typ == 6 || typ == 7 || typ == 21;
}
inline bool HasAnswerPictures(int typ, int untertyp) {
    return (typ == 20 || typ == 21) && untertyp == 1;
}

} // namespace bw::docformat
