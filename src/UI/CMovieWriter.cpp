// SPDX-License-Identifier: GPL-3.0-or-later
// The movie writer on libavformat and libavcodec: one struct of stream
// state and one function per stage (open, add a frame, close). Every libav
// object is owned by a unique_ptr with its free function, so no path leaks;
// every return value is checked and turned into a sentence for the user.
#include "CMovieWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

namespace {
struct FormatContextFree {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb && !(context->oformat->flags & AVFMT_NOFILE)) avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerFree {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

std::string describe(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

std::string failure(const char* stage, int code) { return std::string(stage) + " (" + describe(code) + ")."; }

// Keyframes about once a second of movie, so a player can seek in it.
int keyframeInterval(int frameLength) { return std::max(1, 600 / std::max(1, frameLength)); }

constexpr int kCRF[5] = {12, 18, 23, 30, 40};
}  // namespace

int movieQualityCRF(int quality) { return kCRF[std::clamp(quality, 0, 4)]; }

struct CMovieWriter::OutputStream {
    std::unique_ptr<AVFormatContext, FormatContextFree> format;
    std::unique_ptr<AVCodecContext, CodecContextFree> encoder;
    AVStream* st = nullptr;  // owned by format
    std::unique_ptr<AVFrame, FrameFree> frame;  // the picture in the encoder's pixel format
    std::unique_ptr<AVPacket, PacketFree> packet;
    std::unique_ptr<SwsContext, ScalerFree> scaler;
    int64_t nextPts = 0;  // units of 1/600 s
    int frameLength = 30;
    bool headerWritten = false;
};

namespace {
using OutputStream = CMovieWriter::OutputStream;

std::string addStream(OutputStream& os, const CMovieFormat& f)
{
    const AVCodec* codec = f.codec == 0 ? avcodec_find_encoder_by_name("libx264")
                                        : avcodec_find_encoder(AV_CODEC_ID_RAWVIDEO);
    if (!codec)
        return f.codec == 0 ? "This system's FFmpeg has no H.264 encoder (libx264)."
                            : "This system's FFmpeg has no uncompressed video encoder.";
    os.st = avformat_new_stream(os.format.get(), nullptr);
    if (!os.st) return "The movie stream could not be created.";
    os.st->time_base = AVRational{1, 600};
    os.encoder.reset(avcodec_alloc_context3(codec));
    if (!os.encoder) return "The movie encoder could not be allocated.";
    AVCodecContext* c = os.encoder.get();
    // 4:2:0 H.264 needs even sides: an odd picture is scaled by one pixel.
    c->width = f.codec == 0 ? (f.width + 1) & ~1 : f.width;
    c->height = f.codec == 0 ? (f.height + 1) & ~1 : f.height;
    c->time_base = AVRational{1, 600};
    c->framerate = AVRational{600, f.frameLength};
    c->gop_size = keyframeInterval(f.frameLength);
    c->pix_fmt = f.codec == 0 ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_RGB24;
    if (f.codec == 0) {
        // swscale converts with BT.601 coefficients; say so, or players guess BT.709 for large pictures.
        c->colorspace = AVCOL_SPC_SMPTE170M;
        c->color_primaries = AVCOL_PRI_SMPTE170M;
        c->color_trc = AVCOL_TRC_SMPTE170M;
        c->color_range = AVCOL_RANGE_MPEG;
        // No look-ahead and no B-frames: each frame comes out as it goes in,
        // so it reaches the file before the next tick.
        av_opt_set(c->priv_data, "preset", "ultrafast", 0);
        av_opt_set(c->priv_data, "tune", "zerolatency", 0);
        av_opt_set_double(c->priv_data, "crf", movieQualityCRF(f.quality), 0);
    }
    if (os.format->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(c, codec, nullptr);
    if (ret < 0) return failure("The movie encoder could not be opened", ret);
    ret = avcodec_parameters_from_context(os.st->codecpar, c);
    if (ret < 0) return failure("The movie stream could not be described", ret);

    os.frame.reset(av_frame_alloc());
    os.packet.reset(av_packet_alloc());
    if (!os.frame || !os.packet) return "The movie frame could not be allocated.";
    os.frame->format = c->pix_fmt;
    os.frame->width = c->width;
    os.frame->height = c->height;
    ret = av_frame_get_buffer(os.frame.get(), 0);
    if (ret < 0) return failure("The movie frame could not be allocated", ret);
    return {};
}

std::string openFile(OutputStream& os, const std::string& path)
{
    int ret = avio_open(&os.format->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (ret < 0) return failure("The movie file could not be created", ret);
    // A fragment per frame, written by the flush after it: the file is a
    // complete movie after every frame. Time stays in units of 1/600 s.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "frag_custom+empty_moov+default_base_moof", 0);
    av_dict_set(&options, "video_track_timescale", "600", 0);
    ret = avformat_write_header(os.format.get(), &options);
    av_dict_free(&options);
    if (ret < 0) return failure("The movie header could not be written", ret);
    os.headerWritten = true;
    avio_flush(os.format->pb);
    if (os.format->pb->error < 0) return failure("The movie header could not be written", os.format->pb->error);
    return {};
}

// Sends one picture (or nullptr at the end) and writes what the encoder gives back.
std::string encode(OutputStream& os, AVFrame* frame)
{
    int ret = avcodec_send_frame(os.encoder.get(), frame);
    if (ret < 0) return failure("The frame could not be encoded", ret);
    bool wrote = false;
    for (;;) {
        ret = avcodec_receive_packet(os.encoder.get(), os.packet.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) break;
        if (ret < 0) return failure("The frame could not be encoded", ret);
        os.packet->duration = os.frameLength;
        av_packet_rescale_ts(os.packet.get(), os.encoder->time_base, os.st->time_base);
        os.packet->stream_index = os.st->index;
        ret = av_write_frame(os.format.get(), os.packet.get());
        av_packet_unref(os.packet.get());
        if (ret < 0) return failure("The frame could not be written to the movie file", ret);
        wrote = true;
    }
    if (wrote) {
        ret = av_write_frame(os.format.get(), nullptr);  // closes the fragment
        if (ret < 0) return failure("The movie file could not be updated", ret);
        avio_flush(os.format->pb);
        if (os.format->pb->error < 0) return failure("The movie file could not be updated", os.format->pb->error);
    }
    return {};
}
}  // namespace

CMovieWriter::CMovieWriter() = default;

CMovieWriter::~CMovieWriter() { close(); }

int CMovieWriter::codedWidth() const { return stream ? stream->encoder->width : 0; }
int CMovieWriter::codedHeight() const { return stream ? stream->encoder->height : 0; }

std::string CMovieWriter::open(const std::string& path, const CMovieFormat& format)
{
    close();
    frames = 0;
    if (format.width < 2 || format.height < 2 || format.frameLength < 1)
        return "The movie needs a picture of at least 2 x 2 points and frames of at least 1/600 s.";
    av_log_set_level(AV_LOG_ERROR);  // the encoder's progress talk stays off the terminal
    auto os = std::make_unique<OutputStream>();
    os->frameLength = format.frameLength;
    AVFormatContext* context = nullptr;
    int ret = avformat_alloc_output_context2(&context, nullptr, "mov", path.c_str());
    if (ret < 0 || !context) return failure("The movie container could not be set up", ret);
    os->format.reset(context);
    std::string error = addStream(*os, format);
    if (error.empty()) error = openFile(*os, path);
    if (!error.empty()) return error;
    stream = std::move(os);
    return {};
}

std::string CMovieWriter::addFrame(const QImage& picture)
{
    if (!stream) return "No movie is open.";
    OutputStream& os = *stream;
    const QImage source = picture.format() == QImage::Format_RGB32 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull()) return "The view's picture could not be read.";
    // Qt's 0xffRRGGBB words, as bytes in memory.
    const AVPixelFormat sourceFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_0RGB;
    SwsContext* scaler = sws_getCachedContext(os.scaler.release(), source.width(), source.height(), sourceFormat,
                                              os.encoder->width, os.encoder->height, os.encoder->pix_fmt,
                                              SWS_BILINEAR, nullptr, nullptr, nullptr);
    os.scaler.reset(scaler);
    std::string error;
    if (!scaler) error = "The picture could not be converted for the movie encoder.";
    int ret = error.empty() ? av_frame_make_writable(os.frame.get()) : 0;
    if (ret < 0) error = failure("The movie frame could not be prepared", ret);
    if (error.empty()) {
        const uint8_t* planes[1] = {source.constBits()};
        const int strides[1] = {static_cast<int>(source.bytesPerLine())};
        if (sws_scale(scaler, planes, strides, 0, source.height(), os.frame->data, os.frame->linesize) <= 0)
            error = "The picture could not be converted for the movie encoder.";
    }
    if (error.empty()) {
        os.frame->pts = os.nextPts;
        os.nextPts += os.frameLength;
        error = encode(os, os.frame.get());
    }
    if (!error.empty()) {
        close();
        return error;
    }
    frames++;
    return {};
}

std::string CMovieWriter::close()
{
    if (!stream) return {};
    std::unique_ptr<OutputStream> os = std::move(stream);
    std::string error;
    if (os->headerWritten) {
        error = encode(*os, nullptr);
        const int ret = av_write_trailer(os->format.get());
        if (ret < 0 && error.empty()) error = failure("The movie file could not be completed", ret);
    }
    if (os->format->pb) {
        const int ret = avio_closep(&os->format->pb);
        if (ret < 0 && error.empty()) error = failure("The movie file could not be closed", ret);
    }
    return error;
}
