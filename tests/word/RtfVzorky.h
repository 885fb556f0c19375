#pragma once
// RTF samples shared by the tests of the reader, the writer and the layer.

#include <QByteArray>

// A business document as a word processor writes it: fonts with charsets, colours, footer,
// bookmark, bullets, a shaded two-column table, Slovak letters and the euro sign.
inline const QByteArray kVzorovyDokument = QByteArrayLiteral(
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1051\\uc1\r\n"
    "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}{\\f1\\fswiss\\fcharset238 Arial;}{\\f2\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green192\\blue192;\\red255\\green0\\blue0;}\r\n"
    "{\\info{\\title Vy\\u250\\'fa\\u269\\'e8tovanie}}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n"
    "\\sectd\r\n"
    "{\\footer\\pard\\plain\\qc\\f1\\fs16 Strana {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\r\n"
    "\\pard\\plain\\qc\\sa240\\f1\\fs32\\b Vy\\u250\\'fa\\u269\\'e8tovanie\\b0\\par\r\n"
    "\\pard\\plain\\qj\\fi567\\sa120\\f0\\fs24 Text s {\\b tu\\u269\\'e8n\\u253\\'fdm} a {\\i kurz\\u237\\'edvou}, {\\cf3 \\u8364\\'80 12,50}.\\par\r\n"
    "\\pard\\plain\\ql\\f0\\fs24 Spolu: {\\*\\bkmkstart Suma}123,45{\\*\\bkmkend Suma} EUR\\par\r\n"
    "{\\pntext\\f2\\'b7\\tab}\\pard\\plain{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'b7}}\\fi-360\\li720\\f0\\fs24 prv\\u225\\'e1 polo\\u382\\'9eka\\par\r\n"
    "\\trowd\\trgaph70\\trleft0\r\n"
    "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\clcbpat2\\cellx6000\r\n"
    "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\clcbpat2\\cellx9638\r\n"
    "\\pard\\plain\\intbl\\ql\\f1\\fs20\\b Polo\\u382\\'9eka\\b0\\cell\r\n"
    "\\pard\\plain\\intbl\\qr\\f1\\fs20\\b Suma\\b0\\cell\\row\r\n"
    "\\trowd\\trgaph70\\trleft0\r\n"
    "\\clbrdrb\\brdrs\\brdrw10\\clshdng1000\\cellx6000\r\n"
    "\\clbrdrb\\brdrs\\brdrw10\\cellx9638\r\n"
    "\\pard\\plain\\intbl\\ql\\f1\\fs20 Cestovn\\u233\\'e9\\cell\r\n"
    "\\pard\\plain\\intbl\\qr\\f1\\fs20 45,00\\cell\\row\r\n"
    "\\pard\\plain\\qr\\f0\\fs24 V Bratislave, d\\u328\\'f2a 1. 2. 2024\\par\r\n"
    "}\r\n");

#include <QString>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
