// The web page's figures in each browser engine players use (Chromium,
// Firefox, WebKit, as Debian ships them), on 127.0.0.1, each load in a
// fresh profile, judged against floors measured in the same run: the
// time from navigation to the game's first frame on a cold load and on the
// next visit, served by the service worker, each as a ratio to the module
// floor, a page that only compiles the game's own .wasm as the game's page
// does and paints its canvas once as the game paints it (and to an empty
// page with one script), medians of nine loads, the floors loaded between
// the game's; the median frame period against the timer floor, a page that
// waits 100 ms with the same timer in a loop, over 100 periods each, in
// rounds taken in turn;
// the bytes a cold load transfers, raw, the page's own and the worker's
// keeping the rest; the largest file of the pages, and the zip's size.
// Each engine's ratios are printed with whether its targets hold: each
// first frame within 1.5 times the module floor, the period within 1 ms of
// the timer floor's.
// Usage: apoio/com_xvfb.sh node pagina_web.mjs BUILD_WEB NODE_MODULES [ENGINE...]
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir_navegador, MOTORES, servir } from '../apoio/navegador.mjs';

const [pasta_web, modulos, ...motores] = process.argv.slice(2);
const CARGAS = 9, ASSENTAR = 1000; // ms a new tab is left
const RODADAS = 4, PERIODOS = 25;  // 100 frame periods, and as many of the timer floor
const ALVO_QUADRO = 1.5, ALVO_PERIODO = 1; // times the module floor; ms over the timer floor
const PAUSA = 100; // ms, the game's frame

const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const esperar = (ms) => new Promise((r) => setTimeout(r, ms));

// In the page: its first frame's time from the navigation's start, as the
// page itself notes it, once there is one.
function primeiro_quadro() {
  return new Promise((pronto) => {
    const ver = () => (window.tabuleiro2.primeiro_quadro ? pronto(window.tabuleiro2.primeiro_quadro) : undefined);
    document.querySelector('canvas').addEventListener('quadro', ver);
    ver();
  });
}

// In the page: the times of its next n frames.
function quadros(n) {
  return new Promise((pronto) => {
    const instantes = [];
    document.querySelector('canvas').addEventListener('quadro', () => {
      if (instantes.push(performance.now()) === n) pronto(instantes);
    });
  });
}

// In the timer floor's page: the times of its next n waits.
function esperas(n) {
  return new Promise((pronto) => {
    const ver = () => (window.instantes.length >= n ? pronto(window.instantes.slice(0, n)) : setTimeout(ver, 50));
    window.instantes.length = 0;
    ver();
  });
}

// The bytes of the page's responses' bodies, as its own resource timing
// counts them.
function bytes_da_pagina() {
  return [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
    .reduce((soma, e) => soma + e.encodedBodySize, 0);
}

// A new tab of contexto, once the browser has drawn its window: a new
// window loads the browser's own pages on these same two cores, which made
// Chromium's empty page swing from 32 to 47 ms between runs. A player's
// browser has done that long before they type an address.
async function aba(contexto) {
  const pagina = await contexto.abrir(null, { width: 820, height: 700 });
  await esperar(ASSENTAR);
  return pagina;
}

// A floor page in a fresh profile: when its script says it was done.
async function carregar_piso(navegador, url) {
  const contexto = await navegador.contexto();
  const pagina = await aba(contexto);
  await pagina.ir(url);
  const t = await pagina.avaliar(() => new Promise((r) => { const ver = () => (window.rodou ? r(window.rodou) : setTimeout(ver, 10)); ver(); }));
  await contexto.fechar();
  return t;
}

// The periods between consecutive instants.
const periodos = (instantes) => instantes.slice(1).map((t, i) => t - instantes[i]);

// The largest file under pasta: [name, bytes].
function maior(pasta, prefixo = '') {
  return readdirSync(pasta).map((nome) => {
    const caminho = join(pasta, nome);
    return statSync(caminho).isDirectory() ? maior(caminho, prefixo + nome + '/') : [prefixo + nome, statSync(caminho).size];
  }).reduce((a, b) => (b[1] > a[1] ? b : a));
}

const pisos = mkdtempSync(join(tmpdir(), 'tabuleiro2-pisos-'));
writeFileSync(join(pisos, 'vazia.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>-</title></head>' +
  '<body><canvas></canvas><script src="vazia.js"></script></body></html>');
writeFileSync(join(pisos, 'vazia.js'), 'window.rodou = performance.now();\n');
// The module floor: the game's .wasm compiled from the head, as index.html
// has it, then the canvas painted once with a frame of the game's size, by
// a context of the kind the game paints with, opaque and kept in memory
// (WebKit draws a plain one by its graphics path, whose first use alone
// takes some 40 ms here, which the game's page never spends).
writeFileSync(join(pisos, 'modulo.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>-</title><script>\n' +
  "const compilado = WebAssembly.compileStreaming(fetch('../tabuleiro2.wasm'));\n" +
  "addEventListener('DOMContentLoaded', () => compilado.then(() => {\n" +
  "  const c = document.querySelector('canvas'), g = c.getContext('2d', { alpha: false, willReadFrequently: true });\n" +
  '  const q = g.createImageData(c.width, c.height);\n' +
  '  q.data.fill(255);\n  g.putImageData(q, 0, 0);\n  window.rodou = performance.now();\n}));\n' +
  '</script></head><body><canvas width="800" height="600"></canvas></body></html>');
// The timer floor: the game's frame pause with the same timer (emscripten's
// sleep is a setTimeout), again and again, each from the last one's end.
writeFileSync(join(pisos, 'relogio.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>-</title><script>\n' +
  'window.instantes = [];\n' +
  `(async () => { for (;;) { await new Promise((r) => setTimeout(r, ${PAUSA})); instantes.push(performance.now()); } })();\n` +
  '</script></head><body></body></html>');
const { servidor, endereco } = await servir(pasta_web, { pisos });
let enviados = 0; // the bytes the server sent, to the pages and their worker
servidor.prependListener('request', (pedido, resposta) => {
  const fim = resposta.end.bind(resposta);
  resposta.end = (dados) => { enviados += dados ? dados.length : 0; return fim(dados); };
});

// The game's frame periods and the timer floor's, in turns: each round a
// new tab of each, PERIODOS periods of each, the game's once it shows frames.
async function medir_periodos(navegador) {
  const jogo = [], relogio = [];
  for (let i = 0; i < RODADAS; i++) {
    let contexto = await navegador.contexto();
    let pagina = await contexto.abrir(endereco + '/pisos/relogio.html', { width: 820, height: 700 });
    relogio.push(...periodos(await pagina.avaliar(esperas, PERIODOS + 1)));
    await contexto.fechar();
    contexto = await navegador.contexto();
    pagina = await contexto.abrir(endereco + '/', { width: 820, height: 700 });
    await pagina.avaliar(primeiro_quadro);
    jogo.push(...periodos(await pagina.avaliar(quadros, PERIODOS + 1)));
    await contexto.fechar();
  }
  return [jogo, relogio];
}

// One engine's figures; the targets it missed, by name.
async function medir(motor) {
  const navegador = await abrir_navegador(motor, modulos);
  try {
    const vazias = [], modulos_ = [], frias = [], servidas = [], proprios = [], totais = [];
    for (let i = 0; i < CARGAS; i++) {
      vazias.push(await carregar_piso(navegador, endereco + '/pisos/vazia.html'));
      modulos_.push(await carregar_piso(navegador, endereco + '/pisos/modulo.html'));
      const contexto = await navegador.contexto();
      enviados = 0;
      const fria = await aba(contexto);
      await fria.ir(endereco + '/');
      frias.push(await fria.avaliar(primeiro_quadro));
      proprios.push(await fria.avaliar(bytes_da_pagina));
      await fria.avaliar(() => new Promise((r) => {
        const ver = () => (navigator.serviceWorker.controller ? r() : setTimeout(ver, 100));
        ver();
      }));
      totais.push(enviados);
      await fria.fechar();
      const servida = await aba(contexto);
      await servida.ir(endereco + '/');
      servidas.push(await servida.avaliar(primeiro_quadro));
      await contexto.fechar();
    }
    const [jogo, relogio] = await medir_periodos(navegador);
    const [vazia, modulo] = [mediana(vazias), mediana(modulos_)];
    const perdidos = [];
    const julgar = (nome, holds) => { if (!holds) perdidos.push(motor + ' ' + nome); return holds ? 'holds' : 'MISSED'; };
    const vezes = (nome, t) => t.toFixed(1) + ' ms = ' + (t / modulo).toFixed(2) + ' times the module floor (at most ' +
      ALVO_QUADRO + ': ' + julgar(nome, t / modulo <= ALVO_QUADRO) + '), ' + (t / vazia).toFixed(2) + ' times the empty page';
    console.log('%s (%s), medians of %d loads:', motor, navegador.versao, CARGAS);
    console.log('  module floor (the .wasm compiled, the canvas painted once): %s ms; empty page with one script: %s ms',
      modulo.toFixed(1), vazia.toFixed(1));
    console.log('  cold load to first frame: %s', vezes('cold first frame', mediana(frias)));
    console.log('  next visit, served by the service worker: %s', vezes('next visit', mediana(servidas)));
    const [periodo, piso] = [mediana(jogo), mediana(relogio)];
    console.log('  frame period (median of %d): %s ms, the timer floor %s ms: %s ms over it (at most %d: %s); game min %s, max %s',
      jogo.length, periodo.toFixed(2), piso.toFixed(2), (periodo - piso).toFixed(2), ALVO_PERIODO,
      julgar('frame period', periodo - piso <= ALVO_PERIODO), Math.min(...jogo).toFixed(2), Math.max(...jogo).toFixed(2));
    console.log('  bytes a cold load transfers, raw: %d for the page, %d with what the service worker keeps',
      mediana(proprios), mediana(totais));
    return perdidos;
  } finally {
    await navegador.fechar();
  }
}

try {
  const perdidos = [];
  for (const motor of motores.length ? motores : MOTORES) perdidos.push(...await medir(motor));
  const zip = readdirSync(pasta_web).find((n) => n.endsWith('-web.zip'));
  const [nome, tamanho] = maior(join(pasta_web, zip.slice(0, -4)));
  console.log('largest file of the pages: %s, %d bytes; %s, %d bytes', nome, tamanho, zip,
    statSync(join(pasta_web, zip)).size);
  console.log(perdidos.length ? 'targets missed: ' + perdidos.join(', ') : 'every target holds in every engine');
} finally {
  servidor.close();
  rmSync(pisos, { recursive: true, force: true });
}
