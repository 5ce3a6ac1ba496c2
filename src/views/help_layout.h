#pragma once
// Where things stand on the three help pages, shared by the program that draws their pictures
// (app/help_pictures) and the help window that lays its labels over them: the figure of the second
// page is drawn so that each label of the page lands on the element it names.
namespace zep::help {

struct Size {
    int width;
    int height;
};

inline constexpr Size kPicture1 = {782, 522}; // about the system
inline constexpr Size kPicture2 = {960, 546}; // about the optimisation object
inline constexpr Size kPicture3 = {600, 323}; // about the developers

// Page 2: the figure's labels are centred on these x coordinates at these tops.
inline constexpr double kSourceGraphX = 716;   // `Label1`
inline constexpr double kSubgraph1X = 650.5;   // `Label2`
inline constexpr double kSubgraph2X = 801.5;   // `Label3`
inline constexpr double kResultGraphX = 720.5; // `Label6`
inline constexpr int kSourceGraphTop = 8;      // `Label1`
inline constexpr int kSubgraphTop = 188;       // `Label2`, `Label3`
inline constexpr int kResultGraphTop = 338;    // `Label6`
// The fictitious operations' labels keep their places, each above its fictitious arc.
inline constexpr int kFictitious1Left = 560;
inline constexpr int kFictitious1Top = 408;
inline constexpr int kFictitious2Left = 724;
inline constexpr int kFictitious2Top = 408;
// The five text blocks `Label21` to `Label25` stand one under another in the left column.
inline constexpr int kTextColumnLeft = 14;
inline constexpr int kTextColumnWidth = 452;
inline constexpr int kTextColumnTop = 10;
inline constexpr int kTextBlockGap = 8;

// The figure's elements on page 2 (picture coordinates).
inline constexpr int kSourceGraphY = 110; // the base chain of the source graph
inline constexpr int kSubgraphY = 272;    // the base chains of the two subgraphs
inline constexpr int kResultGraphY = 450; // the base chain of the resulting graph

// Pages 1 and 3: the width of the text labels and of the window.
inline constexpr int kPage1LabelWidth = 749;
inline constexpr int kPage1WindowWidth = 784;
inline constexpr int kPage3LabelWidth = 565;
inline constexpr int kPage3WindowWidth = 602;

} // namespace zep::help
