// The page only lays out what the core (compiled to WebAssembly) returns; every
// rule about the file lives there. The file never leaves this computer.
import createTambreloxCore from './tambrelox_core.js';
import { fileBytes } from './catalogue_rows.js';
import { openCatalogue } from './catalogue_view.js';

const $ = (id) => document.getElementById(id);

// Said instead of the runtime's own words when the core itself fails.
const kCoreFault = 'Tambrelox met an internal fault and could not finish. '
  + 'The page has been reset: please open the file again.';

let core = null;
let coreReady = null;
// The project on show: the file's name and bytes, kept to ask the core again.
let shown = null;
let audio = null;
// The play going on: its source, when it started, how long the clip is and how it plays.
let playing = null;
let saveUrl = null;
// The selected clip's decoded sound, for the waveform.
let clipSound = null;
// A report a print button chose; the browser's own Print prints the summary.
let chosenPrint = null;

// Files chosen meanwhile wait for it: the controls answer from the start.
function loadCore() {
  core = null;
  showMessage($('loading'), 'Loading…');
  coreReady = createTambreloxCore().then((loaded) => {
    core = loaded;
    showMessage($('loading'), '');
    return loaded;
  });
  return coreReady;
}

function showMessage(element, text) {
  element.textContent = text ?? '';
  element.hidden = !text;
}

// A fault inside the core leaves its module unusable: a fresh one is loaded.
function coreFailed(error) {
  console.warn(error);
  shown = null;
  $('project').hidden = true;
  fillPrintPages(null);
  showMessage($('message'), kCoreFault);
  loadCore();
}

function fillTable(table, { headings, centred, right, rows }) {
  const head = table.createTHead();
  const headRow = head.insertRow();
  headings.forEach((text, col) => {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = text;
    if (centred[col]) th.className = 'centre';
    headRow.append(th);
  });
  const body = table.createTBody();
  rows.forEach((cells, r) => {
    const row = body.insertRow();
    cells.forEach((text, col) => {
      const cell = row.insertCell();
      cell.textContent = text;
      if (centred[col]) cell.className = 'centre';
      else if (right[r][col]) cell.className = 'right';
    });
  });
}

function replaceTable(id, table) {
  const element = $(id);
  element.replaceChildren();
  if (table) fillTable(element, table);
}

function showBudget({ nearlyFull, overLimit, filled, text, explanation }) {
  const budget = $('budget');
  budget.classList.toggle('nearly-full', nearlyFull);
  budget.classList.toggle('over-limit', overLimit);
  $('budget-fill').style.width = `${Math.round(filled * 100)}%`;
  $('budget-bar').setAttribute('aria-label', text);
  $('budget-text').textContent = text;
  budget.title = explanation;
}

function showSummary(summary) {
  $('spj-name').textContent = summary.file;
  $('spj-author').textContent = summary.author;
  $('spj-requirement').textContent = summary.requirement;
  replaceTable('summary-table', summary);
  showBudget(summary.budget);
}

function showStartupCVs(bytes, name) {
  const cvs = core.cvTable(bytes, name);
  showMessage($('cv-message'), cvs.refused);
  replaceTable('cv-table', cvs.refused ? null : cvs);
  $('cv-note').textContent = cvs.note ?? '';
  $('print-cvs').disabled = Boolean(cvs.refused);
}

function clipOptions() {
  return [...$('clip-list').children];
}

function showClips(bytes, name) {
  $('clip-list').replaceChildren(...core.clipList(bytes, name).clips.map((clip, line) => {
    const option = document.createElement('li');
    option.id = `clip-${line}`;
    option.setAttribute('role', 'option');
    option.setAttribute('aria-selected', 'false');
    option.textContent = clip.name;
    option.dataset.fileName = clip.fileName;
    option.dataset.format = clip.format;
    option.dataset.playTime = clip.playTime;
    if (clip.sizeNote) option.dataset.sizeNote = clip.sizeNote;
    return option;
  }));
  $('clip-list').removeAttribute('aria-activedescendant');
  $('clip-name').textContent = '- None -';
  $('clip-format').textContent = '';
  $('clip-length').textContent = '';
  showMessage($('size-note'), '');
  showMessage($('sound-message'), '');
  for (const id of ['play-once', 'play-repeat']) $(id).disabled = true;
  clipSound = null;
  drawWaveform();
  setSaveLink(null);
}

// What the browser's own Print prints, until a print button chooses a report.
function fillPrintPages(report) {
  const text = report && !report.refused ? report.text : 'No project is open.\n';
  const pages = text.replace(/\n$/, '').split('\n\f\n');
  $('print-pages').replaceChildren(...pages.map((page) => {
    const element = document.createElement('pre');
    element.className = 'print-page';
    element.textContent = page;
    return element;
  }));
}

function summaryReport() {
  return shown ? core.summaryReport(shown.bytes, shown.name) : null;
}

// A refused file leaves the project already shown as it was.
async function showFile(file) {
  await coreReady;
  const bytes = await fileBytes(file, core.largestFileRead);
  const summary = core.summary(bytes, file.name);
  if (summary.refused) {
    showMessage($('message'), summary.refused);
    return;
  }
  stop();
  showMessage($('message'), '');
  shown = { bytes, name: file.name };
  showSummary(summary);
  $('project').hidden = false;
  // The summary is painted before the other views are made.
  await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted)));
  if (shown?.bytes !== bytes) return;
  showStartupCVs(bytes, file.name);
  $('descriptive-text').textContent = core.descriptiveText(bytes, file.name).text;
  showClips(bytes, file.name);
  fillPrintPages(summaryReport());
}

// Refusals are the core's answers; this catches the unexpected (a file the
// browser cannot read, the core failing) so that it too is said on the page.
function openFile(file) {
  return showFile(file).catch(coreFailed).finally(fileOpened);
}

// How many files the page has shown or refused, for anyone waiting on one (the page's tests do).
function fileOpened() {
  document.body.dataset.opened = Number(document.body.dataset.opened ?? 0) + 1;
}

async function openFiles(files) {
  await coreReady;
  const projects = files.filter((f) => /\.spj$/i.test(f.name));
  if (files.length === 1 && projects.length === 1) return openFile(projects[0]);
  if (projects.length === 0) {
    showMessage($('message'), core.noProjectChosen);
    return fileOpened();
  }
  return openCatalogue(projects, {
    openFile, coreReady: () => coreReady, core: () => core, showMessage, failed: coreFailed,
  }).catch(coreFailed);
}

function selectedLine() {
  return clipOptions().findIndex((option) => option.getAttribute('aria-selected') === 'true');
}

function setSaveLink(clip) {
  const link = $('save-clip');
  if (saveUrl) URL.revokeObjectURL(saveUrl);
  saveUrl = null;
  link.removeAttribute('href');
  link.setAttribute('aria-disabled', 'true');
  if (!clip) return;
  const wave = core.clipWave(shown.bytes, shown.name, clip.line);
  if (wave.refused) return;
  saveUrl = URL.createObjectURL(new Blob([wave.wave], { type: 'audio/wav' }));
  link.href = saveUrl;
  link.download = clip.fileName;
  link.setAttribute('aria-disabled', 'false');
  const sound = core.pcmSound(wave.wave);
  clipSound = sound.refused || sound.samples.length === 0 ? null : sound;
}

function selectClip(line) {
  const options = clipOptions();
  if (line < 0 || line >= options.length || !shown) return;
  options.forEach((option, n) => option.setAttribute('aria-selected', String(n === line)));
  const option = options[line];
  option.scrollIntoView({ block: 'nearest' });
  $('clip-list').setAttribute('aria-activedescendant', option.id);
  $('clip-name').textContent = option.textContent;
  $('clip-format').textContent = option.dataset.format;
  $('clip-length').textContent = option.dataset.playTime;
  // As on the desktop, the note stays once a long clip has shown it.
  if (option.dataset.sizeNote) showMessage($('size-note'), option.dataset.sizeNote);
  for (const id of ['play-once', 'play-repeat']) $(id).disabled = false;
  setSaveLink({ line, fileName: option.dataset.fileName });
  drawWaveform();
}

const kListKeys = {
  ArrowDown: (line) => line + 1,
  ArrowUp: (line) => Math.max(line - 1, 0),
  Home: () => 0,
  End: (line, count) => count - 1,
};

function drawWaveform(position) {
  const canvas = $('waveform');
  canvas.hidden = !clipSound;
  if (!clipSound) return;
  canvas.width = canvas.clientWidth;
  const context = canvas.getContext('2d');
  const style = getComputedStyle(canvas);
  const colour = (name) => style.getPropertyValue(name).trim();
  const textHeight = 16;
  const middle = (canvas.height - textHeight - 1) / 2;
  const envelope = core.envelope(clipSound.samples, canvas.width);
  context.strokeStyle = colour('--wave');
  context.beginPath();
  context.moveTo(0, middle + 0.5);
  context.lineTo(canvas.width, middle + 0.5);
  envelope.low.forEach((low, x) => {
    context.moveTo(x + 0.5, Math.round(middle - envelope.high[x] * middle));
    context.lineTo(x + 0.5, Math.round(middle - low * middle) + 1);
  });
  context.stroke();
  if (position !== undefined) {
    const x = Math.round((position / playing.seconds) * (canvas.width - 1));
    context.fillStyle = colour('--play-line');
    context.fillRect(x - 1, 0, 2, canvas.height - textHeight);
  }
  context.fillStyle = colour('--text');
  context.font = '12px system-ui, sans-serif';
  context.textBaseline = 'bottom';
  context.fillText('0', 4, canvas.height - 2);
  const length = `${$('clip-length').textContent}`;
  context.fillText(length, canvas.width - 4 - context.measureText(length).width, canvas.height - 2);
}

function followPlay() {
  if (!playing) {
    drawWaveform();
    return;
  }
  const played = audio.currentTime - playing.startedAt;
  drawWaveform(core.positionInClip(played, playing.seconds, playing.repeat));
  requestAnimationFrame(followPlay);
}

// The play ended by itself: focus goes back to the list, as on the desktop.
function playEnded() {
  stop();
  $('clip-list').focus();
}

// Plays a wave file the core made, decoded by the core as the desktop player's device takes it.
function play(made, repeat) {
  stop();
  const sound = made.refused ? made : core.pcmSound(made.wave);
  if (sound.refused) {
    showMessage($('sound-message'), sound.refused);
    return;
  }
  showMessage($('sound-message'), '');
  const frames = sound.samples.length / sound.channels;
  // What was asked for, for anyone listening (the page's tests do).
  const detail = { seconds: frames / sound.sampleRate, wave: made.wave };
  window.dispatchEvent(new CustomEvent('tambrelox-play', { detail }));
  // Nothing to play: the buttons come back at once, as the desktop's device does.
  if (frames === 0) {
    playEnded();
    return;
  }
  audio ??= new AudioContext();
  const buffer = audio.createBuffer(sound.channels, frames, sound.sampleRate);
  for (let channel = 0; channel < sound.channels; ++channel) {
    const data = buffer.getChannelData(channel);
    for (let i = 0; i < frames; ++i) data[i] = sound.samples[i * sound.channels + channel] / 32768;
  }
  const source = audio.createBufferSource();
  source.buffer = buffer;
  source.connect(audio.destination);
  source.onended = () => {
    if (playing?.source === source) playEnded();
  };
  playing = {
    source, startedAt: audio.currentTime, seconds: clipSound?.samples.length
      ? clipSound.samples.length / clipSound.channels / clipSound.sampleRate : buffer.duration,
    repeat,
  };
  $('stop').hidden = !repeat;
  $('play-repeat').hidden = repeat;
  $('playing').hidden = false;
  if (repeat) $('stop').focus();
  audio.resume();
  source.start();
  requestAnimationFrame(followPlay);
}

function stop() {
  const source = playing?.source;
  playing = null;
  source?.stop();
  const stopHadFocus = document.activeElement === $('stop');
  $('stop').hidden = true;
  $('play-repeat').hidden = false;
  $('playing').hidden = true;
  // The button taking the hidden one's place takes its focus.
  if (stopHadFocus) $('play-repeat').focus();
}

function printReport(report) {
  if (report.refused) {
    showMessage($('message'), report.refused);
    return;
  }
  chosenPrint = report;
  fillPrintPages(report);
  window.print();
}

// Calls made from a control: a fault in the core is said in words.
function guarded(action) {
  return (...args) => {
    try {
      action(...args);
    } catch (error) {
      coreFailed(error);
    }
  };
}

function fromPicker(event) {
  const files = [...event.target.files];
  if (files.length) openFiles(files);
  event.target.value = '';
}

// The files of a dropped folder, read all the way down.
async function droppedFiles(entry) {
  if (entry.isFile) return [await new Promise((done, fail) => entry.file(done, fail))];
  const reader = entry.createReader();
  const files = [];
  for (;;) {
    const batch = await new Promise((done, fail) => reader.readEntries(done, fail));
    if (!batch.length) return files;
    for (const child of batch) files.push(...await droppedFiles(child));
  }
}

async function drop(items) {
  const files = [];
  for (const entry of items) files.push(...await droppedFiles(entry));
  if (files.length) openFiles(files);
}

for (const id of ['spj-file', 'spj-folder', 'spj-files']) $(id).addEventListener('change', fromPicker);
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('dragging');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('dragging');
  const entries = [...event.dataTransfer.items].map((item) => item.webkitGetAsEntry?.());
  if (entries.length && entries.every(Boolean)) drop(entries).catch(coreFailed);
  else openFiles([...event.dataTransfer.files]);
});
$('clip-list').addEventListener('click', guarded((event) => {
  const option = event.target.closest('[role=option]');
  if (option) selectClip(clipOptions().indexOf(option));
}));
$('clip-list').addEventListener('keydown', guarded((event) => {
  const next = kListKeys[event.key];
  if (!next) return;
  event.preventDefault();
  selectClip(Math.min(next(selectedLine(), clipOptions().length), clipOptions().length - 1));
}));
$('play-once').addEventListener('click', guarded(() =>
  play(core.clipWave(shown.bytes, shown.name, selectedLine()), false)));
$('play-repeat').addEventListener('click', guarded(() =>
  play(core.repeatWave(shown.bytes, shown.name, selectedLine()), true)));
$('stop').addEventListener('click', stop);
$('print-summary').addEventListener('click', guarded(() => printReport(summaryReport())));
$('print-cvs').addEventListener('click', guarded(() =>
  printReport(core.cvReport(shown.bytes, shown.name))));
$('print-text').addEventListener('click', guarded(() =>
  printReport(core.textReport(shown.bytes, shown.name))));
// The browser's own Print prints the summary of the project on show, made at that moment.
addEventListener('beforeprint', guarded(() => {
  if (!chosenPrint) fillPrintPages(summaryReport());
}));
addEventListener('afterprint', () => {
  chosenPrint = null;
});
addEventListener('resize', () => drawWaveform());
matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => drawWaveform());
addEventListener('unhandledrejection', (event) => coreFailed(event.reason));
if ('launchQueue' in window) {
  window.launchQueue.setConsumer(async ({ files }) => {
    if (files?.length) openFiles(await Promise.all(files.map((handle) => handle.getFile())));
  });
}
// The single-file page has no manifest and no worker beside it.
if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator) {
  navigator.serviceWorker.register('service_worker.js').catch((error) => console.warn(error));
}

await loadCore();
$('title-line').textContent = core.titleLine;
$('about').textContent = core.aboutText;
document.body.dataset.ready = 'true';
