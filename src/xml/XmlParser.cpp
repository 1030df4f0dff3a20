#include "xml/XmlParser.h"

#include "xml/CharClass.h"

#include <vector>

namespace fw {
namespace {

// The reader's states, numbered as they are talked about in bug reports.
enum class State {
    Outside = 0,   // between elements
    AfterOpen = 1, // after "<"
    AfterName = 2, // after an element name
    Content = 3,   // text right after a start tag
    EndOfStartTag = 4,
    EndTag = 5,
    Comment = 6,
    Attributes = 7,
    AttributeName = 8,
    AttributeEquals = 9,
    AttributeValue = 10,
};

bool isNameChar(char16_t c) {
    return isWideAlnum(c) || c == u'-' || c == u'_' || c == u'.';
}

// Where parsing starts in a non-lenient parse: after the first "?>" that is
// not inside a comment; npos when there is none.
size_t declarationEnd(WideStringView text) {
    bool inComment = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (inComment) {
            if (c == u'>' && i >= 2 && text[i - 1] == u'-' && text[i - 2] == u'-') {
                inComment = false;
            }
        } else if (c == u'-' && i >= 3 && text.substr(i - 3, 3) == u"<!-") {
            inComment = true;
        } else if (c == u'>' && i >= 1 && text[i - 1] == u'?') {
            return i + 1;
        }
    }
    return WideStringView::npos;
}

class Parser {
public:
    Parser(WideStringView text, bool lenient, XmlElement& root)
        : text_(text), lenient_(lenient), stack_{&root} {}

    bool run(size_t start) {
        pos_ = start;
        while (pos_ < text_.size()) {
            if (!step(text_[pos_])) {
                return false;
            }
        }
        return state_ == State::Outside;
    }

private:
    XmlElement* current() const { return stack_.back(); }

    void flushText() {
        if (!chars_.empty()) {
            current()->appendText(decodeXmlEntities(chars_));
            chars_.clear();
        }
    }

    void go(State next, bool consume) {
        state_ = next;
        pos_ += consume ? 1 : 0;
    }

    bool step(char16_t c) {
        switch (state_) {
        case State::Outside:
            return outside(c);
        case State::AfterOpen:
            return afterOpen(c);
        case State::AfterName:
            if (isWideSpace(c)) {
                go(State::Attributes, true);
                return true;
            }
            go(State::EndOfStartTag, false);
            return c == u'/' || c == u'>';
        case State::Content:
            if (c == u'<') {
                flushText();
                opening_.reset();
                go(State::AfterOpen, true);
            } else {
                chars_.push_back(c);
                ++pos_;
            }
            return true;
        case State::EndOfStartTag:
            return endOfStartTag(c);
        case State::EndTag:
            return endTag(c);
        case State::Comment:
            // The look-behind may reach the "--" of the opening "<!--".
            go(c == u'>' && text_[pos_ - 1] == u'-' && text_[pos_ - 2] == u'-' ? State::Outside
                                                                               : State::Comment,
               true);
            return true;
        case State::Attributes:
            return attributes(c);
        case State::AttributeName:
            if (isNameChar(c)) {
                attrName_.push_back(c);
                ++pos_;
                return true;
            }
            go(State::AttributeEquals, false);
            return !attrName_.empty();
        case State::AttributeEquals:
            return attributeEquals(c);
        case State::AttributeValue:
            return attributeValue(c);
        }
        return false;
    }

    bool outside(char16_t c) {
        if (c == u'<') {
            flushText();
            go(State::AfterOpen, true);
            return true;
        }
        if (lenient_) {
            chars_.push_back(c);
        } else if (!isWideSpace(c)) {
            return false;
        }
        ++pos_;
        return true;
    }

    bool afterOpen(char16_t c) {
        if (isNameChar(c)) {
            if (!opening_) {
                opening_ = std::make_unique<XmlElement>();
                name_.clear();
                chars_.clear();
            }
            name_.push_back(c);
            ++pos_;
            return true;
        }
        if (opening_ && !name_.empty()) {
            go(State::AfterName, false);
        } else if (c == u'/') {
            go(State::EndTag, true);
        } else if (c == u'!' && text_[pos_ - 1] == u'<' &&
                   text_.substr(pos_ + 1, 2) == WideStringView(u"--")) {
            go(State::Comment, false);
            pos_ += 3;
        } else if (isWideSpace(c) || c == u'!') {
            ++pos_;
        } else {
            return false;
        }
        return true;
    }

    bool endOfStartTag(char16_t c) {
        if (isWideSpace(c)) {
            ++pos_;
        } else if (c == u'/') {
            selfClosing_ = true;
            ++pos_;
        } else if (c == u'>') {
            if (!opening_) {
                return false;
            }
            opening_->setName(name_);
            XmlElement& added = current()->addChild(std::move(opening_));
            if (selfClosing_) {
                go(State::Outside, true);
            } else {
                if (stack_.size() > kMaxXmlDepth) {
                    return false;
                }
                stack_.push_back(&added);
                go(State::Content, true);
            }
            selfClosing_ = false;
        } else {
            return false;
        }
        return true;
    }

    bool endTag(char16_t c) {
        if (isWideSpace(c) || isNameChar(c) || c == u'/') {
            ++pos_;
            return true;
        }
        // The root itself is never closed by an end tag.
        if (c != u'>' || stack_.size() < 2) {
            return false;
        }
        stack_.pop_back();
        go(State::Outside, true);
        return true;
    }

    bool attributes(char16_t c) {
        if (isWideSpace(c)) {
            ++pos_;
        } else if (isWideAlnum(c)) {
            go(State::AttributeName, false);
        } else if (c == u'/' || c == u'>') {
            go(State::EndOfStartTag, false);
        } else {
            return false;
        }
        return true;
    }

    bool attributeEquals(char16_t c) {
        if (isWideSpace(c)) {
            ++pos_;
        } else if (c == u'=') {
            sawEquals_ = true;
            ++pos_;
        } else if ((c == u'"' || c == u'\'') && sawEquals_) {
            quote_ = c;
            go(State::AttributeValue, true);
        } else {
            return false;
        }
        return true;
    }

    bool attributeValue(char16_t c) {
        if (c != quote_) {
            attrValue_.push_back(c);
            ++pos_;
            return true;
        }
        if (attrName_.empty() || !opening_) {
            return false;
        }
        opening_->addAttribute(attrName_, decodeXmlEntities(attrValue_));
        attrName_.clear();
        attrValue_.clear();
        quote_ = 0;
        sawEquals_ = false;
        go(State::Attributes, true);
        return true;
    }

    WideStringView text_;
    bool lenient_;
    size_t pos_ = 0;
    State state_ = State::Outside;
    std::vector<XmlElement*> stack_;
    std::unique_ptr<XmlElement> opening_;
    bool selfClosing_ = false;
    bool sawEquals_ = false;
    char16_t quote_ = 0;
    WideString name_;
    WideString chars_;
    WideString attrName_;
    WideString attrValue_;
};

} // namespace

bool parseXml(WideStringView text, bool lenient, XmlElement& root) {
    if (text.empty()) {
        return false;
    }
    size_t start = 0;
    if (!lenient) {
        start = declarationEnd(text);
        if (start == WideStringView::npos) {
            return false;
        }
    }
    return Parser(text, lenient, root).run(start);
}

} // namespace fw
