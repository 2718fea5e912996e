#pragma once

namespace garabel {

// Learns whether the JPEG decoder, on this thread while the watch lives, found
// the data ending early: libjpeg then warns ("Premature end of JPEG file",
// "Corrupt JPEG data: premature end of data segment"), makes up the missing
// blocks and the read succeeds all the same. Qt passes its warnings on as
// messages of the logging category "qt.gui.imageio.jpeg"; a message handler,
// put in place once for the whole program in front of the one before it,
// takes those of a watched thread (they are not printed) and lets every other
// message through. The category's warnings stay on whatever the logging rules say.
class JpegEndWatch
{
public:
    JpegEndWatch();
    ~JpegEndWatch();
    JpegEndWatch(const JpegEndWatch &) = delete;
    JpegEndWatch &operator=(const JpegEndWatch &) = delete;

    bool dataEndedEarly() const { return m_endedEarly; }
    void decoderWarned(bool endedEarly) { m_endedEarly = m_endedEarly || endedEarly; }

private:
    JpegEndWatch *m_outer;
    bool m_endedEarly = false;
};

} // namespace garabel
