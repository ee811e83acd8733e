// The maker's addresses, in one place: the help failure text, the feedback
// command and the about box's links use these.
#pragma once

constexpr char kSupportPage[] = "https://www.example.com/quillmark/support";
constexpr char kFeedbackPage[] = "https://www.example.com/quillmark/feedback";
constexpr char kWebSite[] = "https://www.example.com/quillmark";
constexpr char kTechnicalSupportMail[] = "support@example.com";
constexpr char kSalesMail[] = "sales@example.com";
