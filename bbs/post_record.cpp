#include "bbs/post_record.h"

#include <cstdio>

std::string EncodePostRecord(const PostRecord& post) {
    // The post is the list frame with the author as the other party, never opened.
    MailRecord frame;
    frame.status = kStatusUnopened;
    frame.kind = kItemPost;
    frame.shiftFlag = post.shiftFlag;
    frame.userNumber = post.authorNumber;
    frame.userName = post.authorName;
    frame.sentNumber = post.number;
    frame.receivedNumber = post.number;
    frame.sentTime = post.postedTime;
    frame.subject = post.subject;
    return EncodeMailRecord(frame);
}

PostRecord DecodePostRecord(const unsigned char in[kListRecordSize]) {
    MailRecord frame = DecodeMailRecord(in);
    PostRecord post;
    post.shiftFlag = frame.shiftFlag;
    post.authorNumber = frame.userNumber;
    post.authorName = frame.userName;
    post.number = frame.receivedNumber;
    post.postedTime = frame.sentTime;
    post.subject = frame.subject;
    return post;
}

std::string PostListLine(const PostRecord& post, bool read) {
    char date[32];
    std::snprintf(date, sizeof date, "%2d/%2d", post.postedTime.month + 1, post.postedTime.day);
    return std::string(read ? "" : "未読") + "\t" + date + "\t" + post.authorName + "\t" + post.subject;
}
