// The web page's figures, in headless Chromium on 127.0.0.1, each load in a
// fresh profile: the time from navigation to the first frame on a cold load
// and on the next visit, served by the service worker, each beside that of
// an empty page with one script in the same run (medians of nine,
// interleaved); the median frame period over 100 frames; the bytes a cold
// load transfers, raw, the page's own and the worker's keeping the rest;
// the largest file of the pages, and the zip's size.
// Usage: node pagina_web.mjs BUILD_WEB NODE_MODULES
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir_chromium, servir } from '../tests/web/navegador.mjs';

const [pasta_web, modulos] = process.argv.slice(2);
const CARGAS = 9, QUADROS = 100, ASSENTAR = 1000; // ms a new tab is left

const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// Each frame's time, from the navigation's start, into window.instantes;
// window.quadros(n) resolves once there are n, with nothing polling the page.
function anotar_quadros() {
  window.instantes = [];
  let esperados = Infinity, pronto;
  window.quadros = (n) => new Promise((r) => { esperados = n; pronto = r; if (instantes.length >= n) r(); });
  document.addEventListener('DOMContentLoaded', () => document.querySelector('canvas')
    .addEventListener('quadro', () => {
      if (window.instantes.push(performance.now()) >= esperados) pronto();
    }));
}

// A new tab of contexto, once Chromium has drawn its window: a new window
// loads the browser's own pages (the address bar's menus) on these same two
// cores, which made the empty page's time swing from 32 to 47 ms between
// runs. A player's browser has done that long before they type an address.
async function abrir_aba(contexto) {
  const pagina = await contexto.newPage();
  await new Promise((pronto) => setTimeout(pronto, ASSENTAR));
  return pagina;
}

// Page url in contexto: the times of its first n frames, and the bytes of
// its responses' bodies, as the page's own resource timing counts them
// (DevTools' network events would have the page record a stack for every
// request its scripts make, work the empty page is never given).
async function carregar(contexto, url, n) {
  const pagina = await abrir_aba(contexto);
  await pagina.evaluateOnNewDocument(anotar_quadros);
  await pagina.goto(url);
  await pagina.evaluate((k) => window.quadros(k), n);
  const [instantes, bytes] = await pagina.evaluate(() => [window.instantes,
    [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
      .reduce((soma, e) => soma + e.encodedBodySize, 0)]);
  return { pagina, instantes, bytes };
}

// The empty page with one script: when its script ran.
async function carregar_vazia(navegador, endereco) {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrir_aba(contexto);
  await pagina.goto(endereco + '/vazia/vazia.html');
  const t = await pagina.waitForFunction(() => window.rodou, { polling: 100 }).then((h) => h.jsonValue());
  await contexto.close();
  return t;
}

// The largest file under pasta: [name, bytes].
function maior(pasta, prefixo = '') {
  return readdirSync(pasta).map((nome) => {
    const caminho = join(pasta, nome);
    return statSync(caminho).isDirectory() ? maior(caminho, prefixo + nome + '/') : [prefixo + nome, statSync(caminho).size];
  }).reduce((a, b) => (b[1] > a[1] ? b : a));
}

const vazia = mkdtempSync(join(tmpdir(), 'tabuleiro2-vazia-'));
writeFileSync(join(vazia, 'vazia.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>-</title></head>' +
  '<body><canvas></canvas><script src="vazia.js"></script></body></html>');
writeFileSync(join(vazia, 'vazia.js'), 'window.rodou = performance.now();\n');
const { servidor, endereco } = await servir(pasta_web, { vazia });
let enviados = 0; // the bytes the server sent, to the pages and their worker
servidor.prependListener('request', (pedido, resposta) => {
  const fim = resposta.end.bind(resposta);
  resposta.end = (dados) => { enviados += dados ? dados.length : 0; return fim(dados); };
});
const navegador = await abrir_chromium(modulos);
try {
  const vazias = [], frias = [], servidas = [], proprios = [], totais = [];
  for (let i = 0; i < CARGAS; i++) {
    vazias.push(await carregar_vazia(navegador, endereco));
    const contexto = await navegador.createBrowserContext();
    enviados = 0;
    const fria = await carregar(contexto, endereco + '/', 1);
    await fria.pagina.waitForFunction(() => !!navigator.serviceWorker.controller, { timeout: 60000, polling: 100 });
    frias.push(fria.instantes[0]);
    proprios.push(fria.bytes);
    totais.push(enviados);
    await fria.pagina.close();
    const servida = await carregar(contexto, endereco + '/', 1);
    servidas.push(servida.instantes[0]);
    await contexto.close();
  }
  const contexto = await navegador.createBrowserContext();
  const { instantes } = await carregar(contexto, endereco + '/', QUADROS + 1);
  await contexto.close();
  const periodos = instantes.slice(1).map((t, i) => t - instantes[i]);
  const base = mediana(vazias);
  console.log('empty page with one script (median of %d): %s ms', CARGAS, base.toFixed(1));
  console.log('cold load to first frame (median of %d): %s ms, %s times the empty page', CARGAS,
    mediana(frias).toFixed(1), (mediana(frias) / base).toFixed(2));
  console.log('next visit, served by the service worker (median of %d): %s ms, %s times the empty page', CARGAS,
    mediana(servidas).toFixed(1), (mediana(servidas) / base).toFixed(2));
  console.log('frame period (median of %d): %s ms (min %s, max %s)', QUADROS, mediana(periodos).toFixed(2),
    Math.min(...periodos).toFixed(2), Math.max(...periodos).toFixed(2));
  console.log('bytes a cold load transfers, raw: %d for the page, %d with what the service worker keeps',
    mediana(proprios), mediana(totais));
  const zip = readdirSync(pasta_web).find((n) => n.endsWith('-web.zip'));
  const [nome, tamanho] = maior(join(pasta_web, zip.slice(0, -4)));
  console.log('largest file of the pages: %s, %d bytes; %s, %d bytes', nome, tamanho, zip,
    statSync(join(pasta_web, zip)).size);
} finally {
  await navegador.fechar();
  servidor.close();
  rmSync(vazia, { recursive: true, force: true });
}
